// Tells whether a pixel belongs to a region recipe, by the pixel's centre: enough to check
// which side of an outline a point falls on, without the platform's rasteriser.
#pragma once

#include "clock/face/region_recipe.h"

namespace vistrel::test_support {

bool RegionContains(const RegionRecipe& recipe, int x, int y);

} // namespace vistrel::test_support
