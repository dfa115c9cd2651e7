// The colour button: an owner-drawn push button (BS_OWNERDRAW in the template) that shows a
// colour and lets the user pick another from a palette of swatches, with "その他の色..." for
// the system's colour dialog. The colour lives with the button, so every dialog and page uses
// it the same way: the button draws itself and, on a click, opens the picker (its dialog hands
// it both, see control_state_win.h); the dialog's OnCommand then sees BN_CLICKED from the
// button only when its colour changed.
#pragma once

#include <windows.h>

#include <optional>

#include "clock/common/colour.h"

namespace vistrel {

// Makes a button a colour button. `system_colours`: the picker offers the system's colours
// (0xFF0000nn values) besides plain ones.
void MakeColourButton(HWND button, TColor colour, bool system_colours);
bool IsColourButton(HWND button);
// Sets the colour shown and redraws; nothing for a button that is no colour button.
void SetButtonColour(HWND button, TColor colour);
// The colour shown; 0 (black) for a button that is no colour button.
TColor ButtonColour(HWND button);

// The picker: the palette and the system's colour dialog. Tests put a stand-in in place, so
// that no test blocks on a modal menu or dialog.
class ColourPicker {
public:
    virtual ~ColourPicker() = default;
    // The chosen colour; nothing when the user cancelled.
    virtual std::optional<TColor> Pick(TColor current, bool system_colours, HWND button) = 0;
};
ColourPicker& CurrentColourPicker();
// Installs a stand-in (nullptr restores the real picker) and returns the one it replaced.
ColourPicker* SetColourPickerForTests(ColourPicker* picker);

} // namespace vistrel
