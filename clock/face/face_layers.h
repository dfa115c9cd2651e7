// The stacking of the seven layers of the face.
#pragma once

#include <span>
#include <vector>

namespace vistrel {

enum class FaceLayer {
    AlarmMarks = 0,
    Hands = 1,
    Ticks = 2,
    Numerals = 3,
    Date = 4,
    Frame = 5,
    Time = 6
};

inline constexpr int kFaceLayerCount = 7;

// The layers in drawing order, backmost first, from the style's order which lists layer codes
// front to back. A code outside 0..6 leaves its position empty; a code listed twice is drawn
// twice.
std::vector<FaceLayer> LayerStack(std::span<const int> dsp_order);

} // namespace vistrel
