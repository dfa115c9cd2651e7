// The options dialog as tables: each control is bound to one field of the settings record by a
// member pointer, so filling the controls and reading them back cannot disagree; enabling is a
// list of pure predicates of the record and the platform. Three loops run the tables against a
// ControlSurface, which the dialog implements with its controls and tests implement with a map.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "clock/settings/option_item.h"

namespace vistrel {

// What the dialog's controls can do, addressed by control number.
class ControlSurface {
public:
    virtual ~ControlSurface() = default;
    virtual void SetCheck(int id, bool checked) = 0;
    virtual bool GetCheck(int id) const = 0;
    virtual void SetPosition(int id, int position) = 0; // track bars and spin edits
    virtual int GetPosition(int id) const = 0;
    virtual void SetText(int id, const std::string& text) = 0; // edit texts of combo boxes
    virtual std::string GetText(int id) const = 0;
    virtual void SetSelection(int id, int index) = 0; // -1: none
    virtual int GetSelection(int id) const = 0;
    virtual void SetColour(int id, TColor colour) = 0;
    virtual TColor GetColour(int id) const = 0;
    // The layer list: the code carried by each entry, top entry first.
    virtual void SetOrder(int id, const std::vector<int>& codes) = 0;
    virtual std::vector<int> GetOrder(int id) const = 0;
    virtual void Enable(int id, bool enabled) = 0;
    virtual void Show(int id, bool visible) = 0;
    // Whether the control exists. Reading passes over a control that does not (a page not laid
    // out yet): its field keeps its value instead of taking a missing control's zero.
    virtual bool Has(int /*id*/) const { return true; }
};

struct Check {
    bool TOptionItem::*field;
};
struct Track {
    int TOptionItem::*field;
    int min, max;
};
struct Spin {
    int TOptionItem::*field;
    int min, max;
};
// A drop-down list or list box: the entry index. A value without an entry shows no selection,
// and no selection reads back as -1.
struct ComboIndex {
    int TOptionItem::*field;
    int count;
};
// An editable combo box: its edit text, taken as typed.
struct ComboText {
    std::string TOptionItem::*field;
};
// A colour button (named for the control: the face's own `Colour` is a pixel value).
struct ColourButton {
    TColor TOptionItem::*field;
};
// Buttons for the values 0..n-1, numbered first_id, first_id + 1, ... A value without a button
// selects out_of_range, or leaves the buttons as they were when that is kKeep. Reading with no
// button selected keeps the field.
struct RadioGroup {
    static constexpr int kKeep = -1;
    int TOptionItem::*field;
    int first_id;
    int count;
    int out_of_range = kKeep;
};
// The layer list: DSPOrder[n] is the code of entry n. The list always holds the seven layers
// once each, so a stored order with a repeated or unknown code is shown (and read back) as the
// nearest true order: see ListOrder.
struct LayerOrder {};

using Binding =
    std::variant<Check, Track, Spin, ComboIndex, ComboText, ColourButton, RadioGroup, LayerOrder>;

struct Bound {
    int id;
    Binding how;
};

// Platform facts that some controls depend on, decided once when the dialog is created.
struct Platform {
    bool layered_windows = true; // translucency
    bool ras = true;             // dial-up
    bool deep_colour = true;     // more than 15 bits per pixel: gradations
};

// Controls enabled (or, for visibility rules, shown) exactly while the predicate holds.
struct Rule {
    enum class Acts { Enable, Show };
    std::vector<int> ids;
    bool (*when)(const TOptionItem&, const Platform&);
    Acts acts = Acts::Enable;
};

void Fill(std::span<const Bound> table, const TOptionItem& record, ControlSurface& surface);
void Read(std::span<const Bound> table, const ControlSurface& surface, TOptionItem& record);
void ApplyRules(std::span<const Rule> rules, const TOptionItem& record, const Platform& platform,
                ControlSurface& surface);

// The layer list's codes for a stored order: starting from 0..6, the entry of code order[n] is
// moved to place n for n = 0..6; a code without an entry moves nothing.
std::vector<int> ListOrder(const std::array<std::uint8_t, kLayerCount>& order);

// The layer list after moving entry `selected` one place towards the front (up) or the back;
// the moved entry's new index is returned through `selected`. At either end nothing moves.
std::vector<int> MoveLayer(std::vector<int> order, int& selected, bool up);

} // namespace vistrel
