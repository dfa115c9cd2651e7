// Reading and writing INI files the way the Windows private-profile functions do, on every
// platform: section and key names are case-insensitive, a missing section or key gives the
// caller's default, a "[]" line opens a section whose name is empty, and writing a key leaves
// every other line of the file exactly as it was.
//
// The file is kept as its lines. A line that is not written to goes back to disk byte for byte
// (with its own line ending), so comments, blank lines, unknown keys and even junk survive a save.
// Files are Shift-JIS on disk; a file that starts with the UTF-8 byte-order mark is UTF-8, and a
// Shift-JIS file turns into one only when a value that Shift-JIS cannot hold is written. Bytes of
// a Shift-JIS file that are no character read as the escapes of SjisToUtf8Escaped: a Shift-JIS
// save writes them as they were, and a file turned into UTF-8 keeps the escapes, which read back
// as the same value (and as the same bytes once written to a Shift-JIS file again). A file
// that starts with the UTF-16LE byte-order mark (as the system's editors can save it) is read
// and written back as UTF-16LE, as the system's own profile functions do.
//
// A file that exists but cannot be read (held by another program, no permission, too large, an
// encoding it cannot take) is never written: what it holds is unknown, and a save would replace
// it with defaults.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vistrel {

class IniFile {
public:
    // Files beyond this size are not settings files; they read as empty and are never
    // overwritten (UpdateFile throws), so nothing in them is lost.
    static constexpr std::size_t kMaxFileBytes = 4 * 1024 * 1024;

    // Loads the file; a missing or unreadable file reads as an empty one.
    explicit IniFile(std::string path);
    // Parses bytes as if they were the file's content (the path is where UpdateFile saves).
    IniFile(std::string path, std::string_view bytes);

    const std::string& Path() const { return path_; }

    // True when the file exists but could not be read; it then reads as empty and every write
    // throws. LoadFailure() says why, in Japanese, naming the file.
    bool LoadFailed() const { return !load_failure_.empty(); }
    const std::string& LoadFailure() const { return load_failure_; }

    // The value of the first key of that name in the first section of that name, with the
    // blanks around it removed and one pair of enclosing quotes stripped.
    std::optional<std::string> Find(std::string_view section, std::string_view key) const;
    bool SectionExists(std::string_view section) const;

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view def) const;
    // Decimal with an optional sign; anything else, or a number beyond int, gives def.
    int ReadInteger(std::string_view section, std::string_view key, int def) const;
    // Any integer other than 0 is true; text that is no integer gives def.
    bool ReadBool(std::string_view section, std::string_view key, bool def) const;
    // A colour is a signed 32-bit value; its unsigned spelling (0..4294967295) is accepted too.
    std::int32_t ReadColor(std::string_view section, std::string_view key, std::int32_t def) const;

    // Sets a key: the first key of that name in its section is rewritten in place; a new key goes
    // after the last key line of the section, a new section at the end of the file. Throws Error
    // for a section or key name the file could not hold, or a value with a line break.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int value);
    void WriteBool(std::string_view section, std::string_view key, bool value);

    // True when a write changed the content since the load or the last save.
    bool Modified() const { return modified_; }
    // The file's bytes as UpdateFile would save them.
    std::string Bytes() const;
    // Saves atomically when something changed. Throws Error naming the file on failure.
    void UpdateFile();

private:
    enum class Kind : std::uint8_t { Other, Section, Key };
    enum class Eol : std::uint8_t { None, CrLf, Lf, Cr };
    enum class Encoding : std::uint8_t { ShiftJis, Utf8, Utf16Le };
    struct Line {
        std::string text; // UTF-8, without the line ending
        // The line's bytes in a Shift-JIS file when it is not plain ASCII: as read from disk,
        // or as encoded when written. Without them the text is the line's bytes. In a UTF-16
        // file, the bytes as read when the text does not give them back exactly.
        std::optional<std::string> raw;
        Eol eol = Eol::CrLf;
        Kind kind = Kind::Other;
        // Where the section or key name and the key's value lie in text.
        std::uint32_t name_at = 0, name_len = 0, value_at = 0, value_len = 0;

        std::string_view Name() const { return std::string_view(text).substr(name_at, name_len); }
        std::string_view Value() const {
            return std::string_view(text).substr(value_at, value_len);
        }
    };

    void Parse(std::string_view bytes);
    void ParseUtf16(std::string_view bytes);
    void AddLine(std::string_view raw, Eol eol);
    void AppendEol(std::string& out, Eol eol) const;
    static Line MakeLine(std::string text, Eol eol);
    std::optional<std::size_t> FindSection(std::string_view section) const;
    std::optional<std::size_t> FindKey(std::size_t header, std::string_view key) const;
    void Insert(std::size_t at, std::string text);
    void CheckWritable(std::string_view section, std::string_view key,
                       std::string_view value) const;
    // The Shift-JIS bytes of a new line, or nothing when its text is its bytes (ASCII, or a
    // UTF-8 file). Turns the file into UTF-8 when Shift-JIS cannot hold the text.
    std::optional<std::string> EncodedLine(const std::string& text);

    std::string path_;
    std::vector<Line> lines_;
    Encoding encoding_ = Encoding::ShiftJis;
    // An end-of-file mark (Ctrl+Z) after the last line: not part of any value, kept on saving.
    bool eof_mark_ = false;
    // An odd last byte of a UTF-16 file, kept as it was.
    std::string odd_tail_;
    std::string load_failure_;
    bool modified_ = false;
};

// The text form of a value as the private-profile functions read it back: surrounding blanks
// removed and one pair of enclosing quotes ("..." or '...') stripped.
std::string_view UnquoteIniValue(std::string_view value);
// The inverse: quotes a value whose blanks or enclosing quotes a reader would otherwise strip.
std::string QuoteIniValue(std::string_view value);
// Strict decimal integer: optional blanks, optional sign, digits, nothing else, within int.
std::optional<int> ParseIniInteger(std::string_view text);

} // namespace vistrel
