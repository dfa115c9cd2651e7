#include "clock/options/screen_fonts_win.h"

#include <windows.h>

#include "clock/common/handles_win.h"
#include "clock/common/wide_win.h"
#include "clock/options/option_face_lists.h"
#include "clock/options/option_ids.h"

namespace vistrel {

namespace {

int CALLBACK Collect(const LOGFONTW* font, const TEXTMETRICW* /*metrics*/, DWORD type,
                     LPARAM data) {
    auto& fonts = *reinterpret_cast<std::vector<EnumeratedFont>*>(data);
    fonts.push_back({Narrow(font->lfFaceName), (type & TRUETYPE_FONTTYPE) != 0,
                     static_cast<int>(font->lfCharSet)});
    return 1;
}

} // namespace

std::vector<std::string> ScreenFontList() {
    std::vector<EnumeratedFont> fonts;
    const WindowDc screen(nullptr);
    if (!screen.get()) return {};
    // Every face once per character set it has: a face is listed when one of its sets is
    // ANSI or Shift-JIS.
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    EnumFontFamiliesExW(screen.get(), &wanted, &Collect, reinterpret_cast<LPARAM>(&fonts), 0);
    return FontList(fonts);
}

RuntimeLists FontBoxEntries(const std::vector<std::string>& fonts) {
    return {
        {oid::cmbMojiBanFont, fonts}, {oid::cmbDateCharFont, fonts}, {oid::cmbTimeCharFont, fonts}};
}

} // namespace vistrel
