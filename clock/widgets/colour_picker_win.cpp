// The real colour picker: a pop-up menu of swatches below the button, and the system's colour
// dialog behind "その他の色...".
#include <windows.h>

#include <commdlg.h>

#include <array>
#include <vector>

#include "clock/common/colour_win.h"
#include "clock/common/handles_win.h"
#include "clock/common/wide_win.h"
#include "clock/widgets/colour_button_win.h"

namespace vistrel {

// The platform header's records, of the sizes the system documents for 64-bit programs.
static_assert(sizeof(MENUITEMINFOW) == 80);
static_assert(sizeof(CHOOSECOLORW) == 72);

namespace {

struct Swatch {
    TColor colour;
    const char* name;
};

constexpr TColor System(int index) { return static_cast<TColor>(0xFF000000u | unsigned(index)); }

constexpr std::array<Swatch, 16> kBasic = {{
    {0x000000, "黒"},
    {0x000080, "ﾏﾙｰﾝ"},
    {0x008000, "緑"},
    {0x008080, "ｵﾘｰﾌﾞ"},
    {0x800000, "紺"},
    {0x800080, "紫"},
    {0x808000, "青緑"},
    {0x808080, "灰色"},
    {0xC0C0C0, "銀色"},
    {0x0000FF, "赤"},
    {0x00FF00, "ﾗｲﾑ"},
    {0x00FFFF, "黄"},
    {0xFF0000, "青"},
    {0xFF00FF, "赤紫"},
    {0xFFFF00, "水色"},
    {0xFFFFFF, "白"},
}};

const std::array<Swatch, 8> kSystem = {{
    {System(COLOR_WINDOW), "ｳｨﾝﾄﾞｳの背景"},
    {System(COLOR_WINDOWTEXT), "ｳｨﾝﾄﾞｳの文字"},
    {System(COLOR_BTNFACE), "ﾎﾞﾀﾝの表面"},
    {System(COLOR_BTNTEXT), "ﾎﾞﾀﾝの文字"},
    {System(COLOR_HIGHLIGHT), "選択項目の背景"},
    {System(COLOR_HIGHLIGHTTEXT), "選択項目の文字"},
    {System(COLOR_INFOBK), "ﾂｰﾙﾁｯﾌﾟの背景"},
    {System(COLOR_DESKTOP), "ﾃﾞｽｸﾄｯﾌﾟ"},
}};

constexpr UINT kFirstSwatch = 1;
constexpr UINT kMoreColours = 100;

// A swatch in a black frame; without a frame, a blank of the menu's own colour.
UniqueBitmap SwatchBitmap(COLORREF colour, bool framed = true) {
    const WindowDc screen(nullptr);
    const int w = GetSystemMetrics(SM_CXMENUCHECK), h = GetSystemMetrics(SM_CYMENUCHECK);
    UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), w, h));
    const UniqueMemoryDc dc(CreateCompatibleDC(screen.get()));
    {
        const SelectGuard keep(dc.get(), bitmap.get());
        const UniqueBrush frame(CreateSolidBrush(framed ? RGB(0, 0, 0) : colour));
        const UniqueBrush fill(CreateSolidBrush(colour));
        RECT r{0, 0, w, h};
        FillRect(dc.get(), &r, frame.get());
        InflateRect(&r, -1, -1);
        FillRect(dc.get(), &r, fill.get());
    }
    return bitmap;
}

class MenuPicker : public ColourPicker {
public:
    std::optional<TColor> Pick(TColor current, bool system_colours, HWND button) override {
        std::vector<Swatch> swatches(kBasic.begin(), kBasic.end());
        if (system_colours) swatches.insert(swatches.end(), kSystem.begin(), kSystem.end());

        const UniqueMenu menu(CreatePopupMenu());
        std::vector<UniqueBitmap> bitmaps;
        const auto add = [&](UINT id, const std::string& text, UniqueBitmap bitmap, bool checked) {
            bitmaps.push_back(std::move(bitmap));
            std::wstring name = Widen(text);
            MENUITEMINFOW item{};
            item.cbSize = sizeof item;
            item.fMask = MIIM_ID | MIIM_STRING | MIIM_BITMAP | MIIM_FTYPE | MIIM_STATE;
            item.fType = MFT_RADIOCHECK;
            item.fState = checked ? MFS_CHECKED : 0;
            item.wID = id;
            item.dwTypeData = name.data();
            item.hbmpItem = bitmaps.back().get();
            InsertMenuItemW(menu.get(), GetMenuItemCount(menu.get()), TRUE, &item);
        };
        for (std::size_t i = 0; i < swatches.size(); ++i) {
            if (i == kBasic.size()) AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
            add(kFirstSwatch + static_cast<UINT>(i), swatches[i].name,
                SwatchBitmap(ToColorRef(swatches[i].colour)), swatches[i].colour == current);
        }
        AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
        // A blank in the swatches' column keeps the text in line with theirs (and inside the
        // menu: the menu is as wide as its widest text plus that column).
        add(kMoreColours, "その他の色...", SwatchBitmap(GetSysColor(COLOR_MENU), false), false);

        RECT r{};
        GetWindowRect(button, &r);
        const HWND owner = GetAncestor(button, GA_ROOT);
        const UINT chosen = static_cast<UINT>(
            TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_NONOTIFY,
                           r.left, r.bottom, 0, owner, nullptr));
        if (chosen == kMoreColours) return FromDialog(current, owner);
        if (chosen >= kFirstSwatch && chosen < kFirstSwatch + swatches.size()) {
            return swatches[chosen - kFirstSwatch].colour;
        }
        return std::nullopt;
    }

private:
    std::optional<TColor> FromDialog(TColor current, HWND owner) {
        CHOOSECOLORW choose{};
        choose.lStructSize = sizeof choose;
        choose.hwndOwner = owner;
        choose.rgbResult = ToColorRef(current);
        choose.lpCustColors = custom_.data();
        choose.Flags = CC_RGBINIT | CC_FULLOPEN | CC_ANYCOLOR;
        if (!ChooseColorW(&choose)) return std::nullopt;
        return static_cast<TColor>(choose.rgbResult & 0xFFFFFF);
    }

    std::array<COLORREF, 16> custom_{}; // the dialog's own colours, kept while the program runs
};

} // namespace

namespace detail {
ColourPicker& PlatformColourPicker() {
    static MenuPicker picker;
    return picker;
}
} // namespace detail

} // namespace vistrel
