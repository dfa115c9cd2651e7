#include "clock/settings/ini_file.h"

#include <algorithm>
#include <charconv>
#include <initializer_list>
#include <limits>

#include "clock/common/error.h"
#include "clock/common/file_io.h"
#include "clock/common/text_encoding.h"

namespace vistrel {

namespace {

constexpr std::string_view kBlanks = " \t\v\f";

std::string_view Trim(std::string_view s) {
    const auto first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(kBlanks);
    return s.substr(first, last - first + 1);
}

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Names compare without regard to ASCII case. The text is UTF-8, whose multi-byte sequences
// never contain ASCII bytes, so folding byte by byte cannot join two different characters.
bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return FoldAscii(x) == FoldAscii(y);
           });
}

bool IsAscii(std::string_view s) {
    return std::all_of(s.begin(), s.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool HasLineBreak(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

// Concatenation by append: GCC 12 warns falsely (-Wrestrict) about "literal" + std::string.
std::string Joined(std::initializer_list<std::string_view> parts) {
    std::string out;
    for (const auto part : parts) out.append(part);
    return out;
}

std::uint32_t Offset(std::string_view whole, std::string_view part) {
    return static_cast<std::uint32_t>(part.data() - whole.data());
}

} // namespace

std::string_view UnquoteIniValue(std::string_view value) {
    value = Trim(value);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return value;
}

std::string QuoteIniValue(std::string_view value) {
    if (UnquoteIniValue(value) == value) return std::string(value);
    // Blanks at either end, or quotes around the whole, would be stripped on reading: one more
    // pair of quotes keeps the value as it is.
    return Joined({"\"", value, "\""});
}

std::optional<int> ParseIniInteger(std::string_view text) {
    text = Trim(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') return std::nullopt;
    }
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

IniFile::IniFile(std::string path) : path_(std::move(path)) {
    const FileRead read = ReadWholeFile(path_, kMaxFileBytes);
    if (read.ok()) {
        Parse(read.bytes);
    } else if (!read.missing()) {
        load_failure_ = ReadFailureText(path_, read);
    }
}

IniFile::IniFile(std::string path, std::string_view bytes) : path_(std::move(path)) {
    Parse(bytes);
}

void IniFile::Parse(std::string_view bytes) {
    if (bytes.size() > kMaxFileBytes) {
        load_failure_ = ReadFailureText(path_, FileRead{FileFailure::TooLarge, 0, {}});
        return;
    }
    if (bytes.substr(0, kUtf16BeBom.size()) == kUtf16BeBom) {
        load_failure_ = "「" + path_ +
                        "」を読み込めませんでした。\r\n文字コード UTF-16 (ビッグエンディアン) の"
                        "ファイルは読めません。Shift-JIS か UTF-8 で保存し直してください。";
        return;
    }
    if (bytes.substr(0, kUtf16LeBom.size()) == kUtf16LeBom) {
        encoding_ = Encoding::Utf16Le;
        ParseUtf16(bytes.substr(kUtf16LeBom.size()));
        return;
    }
    if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
        encoding_ = Encoding::Utf8;
        bytes.remove_prefix(kUtf8Bom.size());
    }
    if (!bytes.empty() && bytes.back() == '\x1A') {
        eof_mark_ = true;
        bytes.remove_suffix(1);
    }
    std::size_t at = 0;
    while (at < bytes.size()) {
        const auto end = bytes.find_first_of("\r\n", at);
        const auto raw = bytes.substr(at, end == std::string_view::npos ? end : end - at);
        Eol eol = Eol::None;
        at = end == std::string_view::npos ? bytes.size() : end + 1;
        if (end != std::string_view::npos) {
            if (bytes[end] == '\n') {
                eol = Eol::Lf;
            } else if (at < bytes.size() && bytes[at] == '\n') {
                eol = Eol::CrLf;
                ++at;
            } else {
                eol = Eol::Cr;
            }
        }
        AddLine(raw, eol);
    }
}

void IniFile::ParseUtf16(std::string_view bytes) {
    if (bytes.size() % 2 != 0) {
        odd_tail_ = std::string(bytes.substr(bytes.size() - 1));
        bytes.remove_suffix(1);
    }
    const auto unit = [&](std::size_t k) {
        return static_cast<unsigned>(static_cast<unsigned char>(bytes[k])) |
               (static_cast<unsigned>(static_cast<unsigned char>(bytes[k + 1])) << 8);
    };
    if (bytes.size() >= 2 && unit(bytes.size() - 2) == 0x1A) {
        eof_mark_ = true;
        bytes.remove_suffix(2);
    }
    std::size_t start = 0;
    for (std::size_t k = 0; k < bytes.size(); k += 2) {
        const unsigned u = unit(k);
        if (u != '\r' && u != '\n') continue;
        Eol eol = u == '\n' ? Eol::Lf : Eol::Cr;
        std::size_t next = k + 2;
        if (u == '\r' && next + 1 < bytes.size() && unit(next) == '\n') {
            eol = Eol::CrLf;
            next += 2;
        }
        AddLine(bytes.substr(start, k - start), eol);
        start = next;
        k = next - 2;
    }
    if (start < bytes.size()) AddLine(bytes.substr(start), Eol::None);
}

void IniFile::AddLine(std::string_view raw, Eol eol) {
    switch (encoding_) {
    case Encoding::Utf16Le: {
        std::string text = Utf16LeToUtf8(raw);
        const bool exact = Utf8ToUtf16Le(text) == raw;
        lines_.push_back(MakeLine(std::move(text), eol));
        if (!exact) lines_.back().raw = std::string(raw);
        return;
    }
    case Encoding::Utf8: lines_.push_back(MakeLine(std::string(raw), eol)); return;
    case Encoding::ShiftJis:
        if (IsAscii(raw)) {
            lines_.push_back(MakeLine(std::string(raw), eol));
            return;
        }
        // Shift-JIS never uses CR or LF as a trail byte, so lines split cleanly before
        // decoding; the raw bytes are kept so that the line is saved exactly as it came. Bytes
        // that are no character (a hand edit, another program's file) are decoded as escapes
        // that give the same bytes back, also once the file has turned into UTF-8.
        lines_.push_back(MakeLine(SjisToUtf8Escaped(raw), eol));
        lines_.back().raw = std::string(raw);
        return;
    }
}

IniFile::Line IniFile::MakeLine(std::string text, Eol eol) {
    Line line;
    line.text = std::move(text);
    line.eol = eol;
    const std::string_view whole = line.text;
    const std::string_view t = Trim(whole);
    if (t.empty() || t.front() == ';') return line;
    if (t.front() == '[') {
        const auto close = t.rfind(']');
        if (close == std::string_view::npos || close == 0) return line;
        // The profile functions take "[ Common ]" as the section "Common", and "[]" as a
        // section whose name is empty: the keys after it belong to no section the program
        // asks for, not to the section before it.
        const auto inside = t.substr(1, close - 1);
        const auto name = Trim(inside);
        line.kind = Kind::Section;
        line.name_at = Offset(whole, name.empty() ? inside : name);
        line.name_len = static_cast<std::uint32_t>(name.size());
        return line;
    }
    const auto eq = t.find('=');
    if (eq == std::string_view::npos) return line;
    const auto name = Trim(t.substr(0, eq));
    if (name.empty()) return line;
    const auto value = UnquoteIniValue(t.substr(eq + 1));
    line.kind = Kind::Key;
    line.name_at = Offset(whole, name);
    line.name_len = static_cast<std::uint32_t>(name.size());
    line.value_at = value.empty() ? 0 : Offset(whole, value);
    line.value_len = static_cast<std::uint32_t>(value.size());
    return line;
}

std::optional<std::size_t> IniFile::FindSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind == Kind::Section && SameName(lines_[i].Name(), section)) return i;
    }
    return std::nullopt;
}

std::optional<std::size_t> IniFile::FindKey(std::size_t header, std::string_view key) const {
    for (std::size_t i = header + 1; i < lines_.size(); ++i) {
        if (lines_[i].kind == Kind::Section) break;
        if (lines_[i].kind == Kind::Key && SameName(lines_[i].Name(), key)) return i;
    }
    return std::nullopt;
}

std::optional<std::string> IniFile::Find(std::string_view section, std::string_view key) const {
    const auto header = FindSection(section);
    if (!header) return std::nullopt;
    const auto line = FindKey(*header, key);
    if (!line) return std::nullopt;
    return std::string(lines_[*line].Value());
}

bool IniFile::SectionExists(std::string_view section) const {
    return FindSection(section).has_value();
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view def) const {
    auto value = Find(section, key);
    return value ? std::move(*value) : std::string(def);
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int def) const {
    const auto value = Find(section, key);
    if (!value) return def;
    return ParseIniInteger(*value).value_or(def);
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool def) const {
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

std::int32_t IniFile::ReadColor(std::string_view section, std::string_view key,
                                std::int32_t def) const {
    const auto value = Find(section, key);
    if (!value) return def;
    if (const auto signed_value = ParseIniInteger(*value)) return *signed_value;
    const std::string_view text = Trim(*value);
    std::uint32_t unsigned_value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), unsigned_value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return def;
    return static_cast<std::int32_t>(unsigned_value);
}

void IniFile::CheckWritable(std::string_view section, std::string_view key,
                            std::string_view value) const {
    const auto refuse = [&](const std::string& why) {
        throw Error("「" + path_ + "」の [" + std::string(section) + "] " + std::string(key) +
                    " を書き込めません。\r\n" + why);
    };
    if (LoadFailed())
        throw Error(load_failure_ + "\r\n読み込めなかったファイルには書き込みません。");
    if (section.empty() || Trim(section) != section || section.find(']') != section.npos ||
        HasLineBreak(section)) {
        refuse("セクション名が正しくありません。");
    }
    if (key.empty() || Trim(key) != key || key.find('=') != key.npos || key.front() == '[' ||
        key.front() == ';' || HasLineBreak(key)) {
        refuse("キー名が正しくありません。");
    }
    if (HasLineBreak(value)) refuse("値に改行が含まれています。");
}

std::optional<std::string> IniFile::EncodedLine(const std::string& text) {
    if (encoding_ != Encoding::ShiftJis || IsAscii(text)) return std::nullopt;
    if (auto sjis = Utf8ToSjisEscaped(text)) return sjis;
    // Shift-JIS cannot hold the text: the whole file becomes UTF-8 with a byte-order mark
    // rather than losing a character.
    encoding_ = Encoding::Utf8;
    for (auto& line : lines_) line.raw.reset();
    return std::nullopt;
}

void IniFile::Insert(std::size_t at, std::string text) {
    auto raw = EncodedLine(text);
    if (at > 0 && lines_[at - 1].eol == Eol::None) lines_[at - 1].eol = Eol::CrLf;
    const auto it = lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at),
                                  MakeLine(std::move(text), Eol::CrLf));
    it->raw = std::move(raw);
    modified_ = true;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    CheckWritable(section, key, value);
    const std::string quoted = QuoteIniValue(value);
    const auto header = FindSection(section);
    if (!header) {
        Insert(lines_.size(), Joined({"[", section, "]"}));
        Insert(lines_.size(), Joined({key, "=", quoted}));
        return;
    }
    if (const auto found = FindKey(*header, key)) {
        if (lines_[*found].Value() == value) return; // unchanged: the line keeps its exact bytes
        // The key keeps the spelling it has in the file.
        std::string text = Joined({lines_[*found].Name(), "=", quoted});
        auto raw = EncodedLine(text);
        Line& line = lines_[*found];
        line = MakeLine(std::move(text), line.eol);
        line.raw = std::move(raw);
        modified_ = true;
        return;
    }
    // A new key follows the last key of its section, ahead of any trailing blank or comment.
    std::size_t after = *header;
    for (std::size_t i = *header + 1; i < lines_.size() && lines_[i].kind != Kind::Section; ++i) {
        if (lines_[i].kind == Kind::Key) after = i;
    }
    Insert(after + 1, Joined({key, "=", quoted}));
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

void IniFile::AppendEol(std::string& out, Eol eol) const {
    std::string_view bytes;
    switch (eol) {
    case Eol::CrLf: bytes = "\r\n"; break;
    case Eol::Lf: bytes = "\n"; break;
    case Eol::Cr: bytes = "\r"; break;
    case Eol::None: return;
    }
    out.append(encoding_ == Encoding::Utf16Le ? Utf8ToUtf16Le(bytes) : std::string(bytes));
}

std::string IniFile::Bytes() const {
    std::string out;
    if (encoding_ == Encoding::Utf8) out.append(kUtf8Bom);
    if (encoding_ == Encoding::Utf16Le) out.append(kUtf16LeBom);
    for (const auto& line : lines_) {
        if (line.raw) out.append(*line.raw);
        else if (encoding_ == Encoding::Utf16Le) out.append(Utf8ToUtf16Le(line.text));
        else out.append(line.text); // ASCII, or a UTF-8 file: the text is its bytes
        AppendEol(out, line.eol);
    }
    if (eof_mark_) out.append(encoding_ == Encoding::Utf16Le ? std::string("\x1A\0", 2) : "\x1A");
    out.append(odd_tail_);
    return out;
}

void IniFile::UpdateFile() {
    // Nothing to save also covers a file that could not be read, which no write can change.
    if (!modified_) return;
    WriteFileAtomic(path_, Bytes());
    modified_ = false;
}

} // namespace vistrel
