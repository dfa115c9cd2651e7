// A control surface made of maps, standing in for the dialog's controls.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "clock/options/option_bindings.h"

namespace vistrel::test {

class FakeControlSurface : public ControlSurface {
public:
    void SetCheck(int id, bool checked) override { checks[id] = checked; }
    bool GetCheck(int id) const override { return Find(checks, id, false); }
    void SetPosition(int id, int position) override { positions[id] = position; }
    int GetPosition(int id) const override { return Find(positions, id, 0); }
    void SetText(int id, const std::string& text) override { texts[id] = text; }
    std::string GetText(int id) const override { return Find(texts, id, std::string()); }
    void SetSelection(int id, int index) override { selections[id] = index; }
    int GetSelection(int id) const override { return Find(selections, id, -1); }
    void SetColour(int id, TColor colour) override { colours[id] = colour; }
    TColor GetColour(int id) const override { return Find(colours, id, TColor{0}); }
    void SetOrder(int id, const std::vector<int>& codes) override { orders[id] = codes; }
    std::vector<int> GetOrder(int id) const override {
        return Find(orders, id, std::vector<int>());
    }
    void Enable(int id, bool enabled) override { enabled_[id] = enabled; }
    void Show(int id, bool visible) override { visible_[id] = visible; }
    bool Has(int id) const override { return !missing.contains(id); }

    // Controls start enabled and visible, as in a template.
    bool Enabled(int id) const { return Find(enabled_, id, true); }
    bool Visible(int id) const { return Find(visible_, id, true); }

    std::map<int, bool> checks;
    std::map<int, int> positions;
    std::map<int, std::string> texts;
    std::map<int, int> selections;
    std::map<int, TColor> colours;
    std::map<int, std::vector<int>> orders;
    std::set<int> missing; // controls the surface lacks

private:
    template <class M, class V> static V Find(const M& map, int id, V fallback) {
        const auto found = map.find(id);
        return found == map.end() ? fallback : found->second;
    }
    std::map<int, bool> enabled_;
    std::map<int, bool> visible_;
};

} // namespace vistrel::test
