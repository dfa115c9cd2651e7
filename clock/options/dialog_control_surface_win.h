// The options dialog's controls as a ControlSurface. The dialog is a frame with pages, each a
// window of its own; the control numbers are unique across all of them, so a control is found
// in whichever window holds it, and the tables never need to know which page that is.
#pragma once

#include <windows.h>

#include <unordered_map>
#include <vector>

#include "clock/options/option_bindings.h"

namespace vistrel {

class DialogControlSurface final : public ControlSurface {
public:
    // The windows that hold controls: the frame and its pages. They must outlive the surface.
    explicit DialogControlSurface(std::vector<HWND> windows);

    // The control of a number in any of the windows; null when none holds it.
    HWND Control(int id) const;

    void SetCheck(int id, bool checked) override;
    bool GetCheck(int id) const override;
    void SetPosition(int id, int position) override;
    int GetPosition(int id) const override;
    void SetText(int id, const std::string& text) override;
    std::string GetText(int id) const override;
    void SetSelection(int id, int index) override;
    int GetSelection(int id) const override;
    void SetColour(int id, TColor colour) override;
    TColor GetColour(int id) const override;
    void SetOrder(int id, const std::vector<int>& codes) override;
    std::vector<int> GetOrder(int id) const override;
    void Enable(int id, bool enabled) override;
    void Show(int id, bool visible) override;
    bool Has(int id) const override { return Control(id) != nullptr; }

    // What a control is, from its window class (and, for buttons, what they show).
    enum class Kind {
        None,
        Button,
        Panel,
        ColourButton,
        SpinEdit,
        TrackBar,
        ComboBox,
        ListBox,
        Other
    };
    Kind KindOf(int id) const;

private:
    struct Found {
        HWND hwnd = nullptr;
        Kind kind = Kind::None;
    };
    const Found& Lookup(int id) const;

    std::vector<HWND> windows_;
    mutable std::unordered_map<int, Found> found_;
};

} // namespace vistrel
