#include "clock/options/option_bindings.h"

#include <algorithm>
#include <utility>

namespace vistrel {

namespace {

template <class... F> struct Overloaded : F... { using F::operator()...; };
// Spelt out for clang 14 (the fuzzing build), which deduces no aggregate's arguments.
template <class... F> Overloaded(F...) -> Overloaded<F...>;

void FillOne(int id, const Binding& how, const TOptionItem& r, ControlSurface& s) {
    std::visit(Overloaded{
                   [&](const Check& b) { s.SetCheck(id, r.*b.field); },
                   [&](const Track& b) { s.SetPosition(id, std::clamp(r.*b.field, b.min, b.max)); },
                   [&](const Spin& b) { s.SetPosition(id, std::clamp(r.*b.field, b.min, b.max)); },
                   [&](const ComboIndex& b) {
                       const int v = r.*b.field;
                       s.SetSelection(id, v >= 0 && v < b.count ? v : -1);
                   },
                   [&](const ComboText& b) { s.SetText(id, r.*b.field); },
                   [&](const ColourButton& b) { s.SetColour(id, r.*b.field); },
                   [&](const RadioGroup& b) {
                       int v = r.*b.field;
                       if (v < 0 || v >= b.count) v = b.out_of_range;
                       if (v == RadioGroup::kKeep) return;
                       for (int n = 0; n < b.count; ++n) s.SetCheck(b.first_id + n, n == v);
                   },
                   [&](const LayerOrder&) { s.SetOrder(id, ListOrder(r.DSPOrder)); },
               },
               how);
}

void ReadOne(int id, const Binding& how, const ControlSurface& s, TOptionItem& r) {
    std::visit(
        Overloaded{
            [&](const Check& b) { r.*b.field = s.GetCheck(id); },
            [&](const Track& b) { r.*b.field = std::clamp(s.GetPosition(id), b.min, b.max); },
            [&](const Spin& b) { r.*b.field = std::clamp(s.GetPosition(id), b.min, b.max); },
            [&](const ComboIndex& b) { r.*b.field = s.GetSelection(id); },
            [&](const ComboText& b) { r.*b.field = s.GetText(id); },
            [&](const ColourButton& b) { r.*b.field = s.GetColour(id); },
            [&](const RadioGroup& b) {
                for (int n = 0; n < b.count; ++n) {
                    if (s.GetCheck(b.first_id + n)) {
                        r.*b.field = n;
                        return;
                    }
                }
            },
            [&](const LayerOrder&) {
                const std::vector<int> order = s.GetOrder(id);
                // A list that lost or gained entries is not an order: keep the record's.
                if (order.size() != r.DSPOrder.size()) return;
                for (std::size_t n = 0; n < order.size(); ++n)
                    r.DSPOrder[n] = static_cast<std::uint8_t>(order[n]);
            },
        },
        how);
}

} // namespace

void Fill(std::span<const Bound> table, const TOptionItem& record, ControlSurface& surface) {
    for (const Bound& b : table) FillOne(b.id, b.how, record, surface);
}

void Read(std::span<const Bound> table, const ControlSurface& surface, TOptionItem& record) {
    for (const Bound& b : table) {
        const auto* group = std::get_if<RadioGroup>(&b.how);
        if (surface.Has(group ? group->first_id : b.id)) ReadOne(b.id, b.how, surface, record);
    }
}

void ApplyRules(std::span<const Rule> rules, const TOptionItem& record, const Platform& platform,
                ControlSurface& surface) {
    for (const Rule& rule : rules) {
        const bool on = rule.when(record, platform);
        for (int id : rule.ids) {
            if (rule.acts == Rule::Acts::Show) surface.Show(id, on);
            else surface.Enable(id, on);
        }
    }
}

std::vector<int> ListOrder(const std::array<std::uint8_t, kLayerCount>& order) {
    std::vector<int> list;
    for (int code = 0; code < kLayerCount; ++code) list.push_back(code);
    for (std::size_t n = 0; n < order.size(); ++n) {
        const auto found = std::find(list.begin(), list.end(), int{order[n]});
        if (found == list.end()) continue;
        const int code = *found;
        list.erase(found);
        list.insert(list.begin() + static_cast<std::ptrdiff_t>(n), code);
    }
    return list;
}

std::vector<int> MoveLayer(std::vector<int> order, int& selected, bool up) {
    const int to = up ? selected - 1 : selected + 1;
    const int size = static_cast<int>(order.size());
    if (selected < 0 || selected >= size || to < 0 || to >= size) return order;
    std::swap(order[static_cast<std::size_t>(selected)], order[static_cast<std::size_t>(to)]);
    selected = to;
    return order;
}

} // namespace vistrel
