#include "clock/face/region_recipe.h"

#include <algorithm>

namespace vistrel {

bool RegionRecipe::IsNone() const {
    return std::none_of(parts.begin(), parts.end(),
                        [](const RegionPart& p) { return p.op == RegionOp::Union; });
}

RegionRecipe Shifted(const RegionRecipe& recipe, int dx, int dy) {
    RegionRecipe out = recipe;
    for (RegionPart& part : out.parts) {
        part.box = {part.box.left + dx, part.box.top + dy, part.box.right + dx,
                    part.box.bottom + dy};
        for (Point& p : part.points) p = {p.x + dx, p.y + dy};
    }
    return out;
}

} // namespace vistrel
