// Region operations of the window outline. An accumulated region may not exist yet ("none"):
// an empty UniqueRegion. Every function throws Error when the system cannot make a region.
#pragma once

#include <windows.h>

#include <vector>

#include "clock/common/handles_win.h"
#include "clock/face/region_recipe.h"
#include "clock/face/shape_scan.h"

namespace vistrel {

// acc := r when acc is none, else acc ∪ r; r is used up either way.
void UnionInto(UniqueRegion& acc, UniqueRegion r);
// acc := acc − r when both exist; a none acc stays none. r is used up either way.
void CutFrom(UniqueRegion& acc, UniqueRegion r);
// A new region equal to r moved d pixels right and d down.
UniqueRegion ShiftedCopy(HRGN r, int d);

UniqueRegion RectRegion(const Rect& r);
UniqueRegion EllipseRegion(const Rect& box);
UniqueRegion PolygonRegion(const Polygon& points); // alternate filling
// The recipe's parts combined in order; none when the recipe adds nothing.
UniqueRegion RegionFromRecipe(const RegionRecipe& recipe);

// The rectangles of a scan (rows top to bottom) as one region; `buffer` is reused between
// calls. An empty list gives an existing, empty region. Rows go to the system a group at a
// time (one ExtCreateRegion per group) and the groups are merged pairwise: some systems add
// the rectangles of one call to the region one after another, copying it each time, which
// for a whole face costs a millisecond; groups keep that copying small.
inline constexpr std::size_t kRunsPerGroup = 8;
UniqueRegion RegionFromRuns(const RunList& runs, std::vector<RECT>& buffer);
UniqueRegion RegionFromRunsInGroups(const RunList& runs, std::vector<RECT>& buffer,
                                    std::size_t runs_per_group);

// Scans any bitmap: pixels that differ from the bottom left one form the region. Images of
// 1 and 4 bits per pixel are compared as 8-bit palette indices, 8 and 24 bits as they stand,
// everything else as 24-bit colours. Throws an Error (Tx::DrawBadShape) for more than 101 runs in
// a row.
UniqueRegion BitmapToRegion(HBITMAP bitmap);

} // namespace vistrel
