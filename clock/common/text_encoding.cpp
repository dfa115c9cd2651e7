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

} // namespace

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
    return SjisToUtf8(bytes);
}

std::string EncodeTextFile(std::string_view utf8) {
    if (auto sjis = Utf8ToSjis(utf8)) return *sjis;
    std::string out(kUtf8Bom);
    out.append(utf8);
    return out;
}

} // namespace vistrel
