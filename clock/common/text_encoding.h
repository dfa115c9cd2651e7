// Text inside the program is UTF-8. Files on disk are Shift-JIS (code page 932); UTF-16 is used
// only at the Win32 call. These conversions are explicit so that the program behaves the same on
// a Japanese and a Western system.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vistrel {

// UTF-8 to Shift-JIS. Empty optional when some character has no Shift-JIS form.
std::optional<std::string> Utf8ToSjis(std::string_view utf8);

// Shift-JIS to UTF-8. Bytes that are not valid Shift-JIS become U+FFFD; never throws.
std::string SjisToUtf8(std::string_view sjis);

// True when the bytes are well-formed UTF-8.
bool IsValidUtf8(std::string_view bytes);

// The longest prefix of utf8 whose Shift-JIS form is at most max_bytes long, never cutting a
// character in half. Characters without a Shift-JIS form count by their UTF-8 length.
std::string CutToSjisBytes(std::string_view utf8, std::size_t max_bytes);

// Byte length of one Shift-JIS character that starts with lead byte b (1 or 2).
inline std::size_t SjisCharLength(unsigned char b) {
    return ((b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC)) ? 2 : 1;
}

// The UTF-8 byte-order mark, written at the start of a text file that Shift-JIS cannot hold.
inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// The UTF-16 little-endian byte-order mark, as the system's editors write it.
inline constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
inline constexpr std::string_view kUtf16BeBom = "\xFE\xFF";

// UTF-16LE bytes to UTF-8. Unpaired surrogates become U+FFFD; an odd last byte is ignored.
std::string Utf16LeToUtf8(std::string_view bytes);
// UTF-8 to UTF-16LE bytes. Malformed UTF-8 bytes become U+FFFD.
std::string Utf8ToUtf16Le(std::string_view utf8);

// Shift-JIS to UTF-8 without loss: a byte that is no valid Shift-JIS becomes a private-use
// character (U+F780 + byte - 0x80, or U+F700 + byte below 0x80) that ShiftJisEscapedFromUtf8
// turns back into the same byte. Text that held such bytes is saved exactly as it came.
std::string SjisToUtf8Escaped(std::string_view sjis);
// The inverse of SjisToUtf8Escaped; nothing when some other character has no Shift-JIS form.
std::optional<std::string> Utf8ToSjisEscaped(std::string_view utf8);

// A file's bytes as UTF-8: UTF-8 when it starts with the byte-order mark, else Shift-JIS (kept
// without loss, see SjisToUtf8Escaped).
std::string DecodeTextFile(std::string_view bytes);

// UTF-8 text as a file's bytes: Shift-JIS where it can hold the text, else UTF-8 with the mark.
// Escaped bytes of a Shift-JIS file go back as the bytes they were.
std::string EncodeTextFile(std::string_view utf8);

// True for bytes that look like UTF-16 text (a UTF-16 byte-order mark, or NUL bytes in the first
// line), which the Shift-JIS and UTF-8 readers cannot take.
bool LooksLikeUtf16(std::string_view bytes);

} // namespace vistrel
