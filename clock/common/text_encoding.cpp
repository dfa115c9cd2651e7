#include "clock/common/text_encoding.h"

namespace vistrel {

namespace {

// Length of the UTF-8 sequence at s[i], or 0 when it is malformed.
std::size_t Utf8SequenceLength(std::string_view s, std::size_t i) {
    const auto b = static_cast<unsigned char>(s[i]);
    std::size_t n = 0;
    if (b < 0x80) return 1;
    if (b >= 0xC2 && b <= 0xDF) n = 2;
    else if (b >= 0xE0 && b <= 0xEF) n = 3;
    else if (b >= 0xF0 && b <= 0xF4) n = 4;
    else return 0;
    if (i + n > s.size()) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 0;
    }
    const auto b1 = static_cast<unsigned char>(s[i + 1]);
    if (b == 0xE0 && b1 < 0xA0) return 0;  // overlong
    if (b == 0xED && b1 >= 0xA0) return 0; // surrogate
    if (b == 0xF0 && b1 < 0x90) return 0;  // overlong
    if (b == 0xF4 && b1 >= 0x90) return 0; // beyond U+10FFFF
    return n;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// The code point of the well-formed sequence of length n at s[i].
char32_t DecodeUtf8At(std::string_view s, std::size_t i, std::size_t n) {
    const auto b = [&](std::size_t k) {
        return static_cast<char32_t>(static_cast<unsigned char>(s[i + k]));
    };
    switch (n) {
    case 1: return b(0);
    case 2: return ((b(0) & 0x1F) << 6) | (b(1) & 0x3F);
    case 3: return ((b(0) & 0x0F) << 12) | ((b(1) & 0x3F) << 6) | (b(2) & 0x3F);
    default:
        return ((b(0) & 0x07) << 18) | ((b(1) & 0x3F) << 12) | ((b(2) & 0x3F) << 6) | (b(3) & 0x3F);
    }
}

void AppendUtf16Le(std::string& out, char32_t unit) {
    out.push_back(static_cast<char>(unit & 0xFF));
    out.push_back(static_cast<char>((unit >> 8) & 0xFF));
}

constexpr char32_t kReplacement = 0xFFFD;
// Private-use code points that no Shift-JIS table maps (the user-defined area of code page 932
// ends at U+E757), so an escaped byte can never be mistaken for a real character.
constexpr char32_t kEscapeBase = 0xF700;

std::optional<unsigned char> EscapedByte(std::string_view utf8, std::size_t i, std::size_t n) {
    if (n != 3) return std::nullopt;
    const char32_t c = DecodeUtf8At(utf8, i, n);
    if (c < kEscapeBase || c > kEscapeBase + 0xFF) return std::nullopt;
    return static_cast<unsigned char>(c - kEscapeBase);
}

} // namespace

std::string Utf16LeToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    const auto unit = [&](std::size_t k) {
        return static_cast<char32_t>(static_cast<unsigned char>(bytes[k]) |
                                     (static_cast<unsigned char>(bytes[k + 1]) << 8));
    };
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const char32_t u = unit(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 3 < bytes.size()) {
            const char32_t low = unit(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                i += 2;
                continue;
            }
        }
        AppendUtf8(out, (u >= 0xD800 && u <= 0xDFFF) ? kReplacement : u);
    }
    return out;
}

std::string Utf8ToUtf16Le(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size() * 2);
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t n = Utf8SequenceLength(utf8, i);
        const char32_t c = n == 0 ? kReplacement : DecodeUtf8At(utf8, i, n);
        i += n == 0 ? 1 : n;
        if (c >= 0x10000) {
            AppendUtf16Le(out, 0xD800 + ((c - 0x10000) >> 10));
            AppendUtf16Le(out, 0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            AppendUtf16Le(out, c);
        }
    }
    return out;
}

std::string SjisToUtf8Escaped(std::string_view sjis) {
    std::string whole = SjisToUtf8(sjis);
    // Nearly every file is valid: one conversion and one check.
    if (const auto back = Utf8ToSjis(whole); back && *back == sjis) return whole;
    std::string out;
    for (std::size_t i = 0; i < sjis.size();) {
        std::size_t n = SjisCharLength(static_cast<unsigned char>(sjis[i]));
        if (i + n > sjis.size()) n = 1;
        const std::string_view one = sjis.substr(i, n);
        const std::string text = SjisToUtf8(one);
        if (const auto back = Utf8ToSjis(text); back && *back == one) {
            out += text;
            i += n;
        } else {
            AppendUtf8(out, kEscapeBase + static_cast<unsigned char>(sjis[i]));
            ++i;
        }
    }
    return out;
}

std::optional<std::string> Utf8ToSjisEscaped(std::string_view utf8) {
    if (auto plain = Utf8ToSjis(utf8)) return plain;
    if (!IsValidUtf8(utf8)) return std::nullopt;
    std::string out;
    std::size_t run = 0; // start of the text not yet converted
    const auto flush = [&](std::size_t end) {
        if (end == run) return true;
        const auto part = Utf8ToSjis(utf8.substr(run, end - run));
        if (!part) return false;
        out += *part;
        return true;
    };
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t n = Utf8SequenceLength(utf8, i);
        if (const auto byte = EscapedByte(utf8, i, n)) {
            if (!flush(i)) return std::nullopt;
            out.push_back(static_cast<char>(*byte));
            run = i + n;
        }
        i += n;
    }
    if (!flush(utf8.size())) return std::nullopt;
    return out;
}

bool LooksLikeUtf16(std::string_view bytes) {
    if (bytes.substr(0, 2) == kUtf16LeBom || bytes.substr(0, 2) == kUtf16BeBom) return true;
    const std::string_view first = bytes.substr(0, bytes.find('\n'));
    return first.find('\0') != std::string_view::npos;
}

bool IsValidUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t n = Utf8SequenceLength(bytes, i);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

std::string CutToSjisBytes(std::string_view utf8, std::size_t max_bytes) {
    std::size_t used = 0;
    std::size_t i = 0;
    while (i < utf8.size()) {
        std::size_t n = Utf8SequenceLength(utf8, i);
        if (n == 0) n = 1;
        const auto one = Utf8ToSjis(utf8.substr(i, n));
        const std::size_t cost = one ? one->size() : n;
        if (used + cost > max_bytes) break;
        used += cost;
        i += n;
    }
    return std::string(utf8.substr(0, i));
}

std::string DecodeTextFile(std::string_view bytes) {
    if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
        return std::string(bytes.substr(kUtf8Bom.size()));
    }
    return SjisToUtf8Escaped(bytes);
}

std::string EncodeTextFile(std::string_view utf8) {
    if (auto sjis = Utf8ToSjisEscaped(utf8)) return *sjis;
    std::string out(kUtf8Bom);
    out.append(utf8);
    return out;
}

} // namespace vistrel
