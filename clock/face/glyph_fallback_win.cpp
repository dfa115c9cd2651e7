#include "clock/face/glyph_fallback_win.h"

#include <vector>

#include "clock/face/font_cache_win.h"

namespace vistrel {

namespace {

constexpr const char* kFallbackFaces[] = {"Yu Gothic UI", "Meiryo UI", "MS UI Gothic",
                                          "Segoe UI Symbol"};

// Glyph coverage does not depend on the size: one small font per face is asked.
constexpr int kProbeHeight = -16;

bool IsSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDFFF; }

} // namespace

GlyphFallback::GlyphFallback() : dc_(CreateCompatibleDC(nullptr)) {}

bool GlyphFallback::Covers(const std::string& face, std::wstring_view text) {
    std::unordered_map<wchar_t, bool>& known = known_[face];
    std::wstring unknown;
    for (const wchar_t c : text) {
        // A pair of surrogates is no glyph index of its own; the check passes them over.
        if (IsSurrogate(c) || c < 0x20) continue;
        const auto it = known.find(c);
        if (it != known.end() && !it->second) return false;
        if (it == known.end() && unknown.find(c) == std::wstring::npos) unknown += c;
    }
    if (unknown.empty()) return true;
    Learn(face, unknown, known);
    for (const wchar_t c : unknown)
        if (!known[c]) return false;
    return true;
}

void GlyphFallback::Learn(const std::string& face, const std::wstring& characters,
                          std::unordered_map<wchar_t, bool>& known) {
    if (!dc_) { // nothing to ask: draw as the style says
        for (const wchar_t c : characters) known[c] = true;
        return;
    }
    const UniqueFont font = CreateFaceFont({face, kProbeHeight});
    const SelectGuard selected(dc_.get(), font.get());
    std::vector<WORD> glyphs(characters.size());
    const DWORD done =
        GetGlyphIndicesW(dc_.get(), characters.c_str(), static_cast<int>(characters.size()),
                         glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
    for (std::size_t i = 0; i < characters.size(); ++i)
        known[characters[i]] = done != GDI_ERROR && glyphs[i] != 0xFFFF;
}

std::string GlyphFallback::FaceFor(const std::string& face, std::wstring_view text) {
    if (Covers(face, text)) return face;
    for (const char* candidate : kFallbackFaces)
        if (Covers(candidate, text)) return candidate;
    return face;
}

} // namespace vistrel
