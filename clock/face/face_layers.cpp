#include "clock/face/face_layers.h"

namespace vistrel {

std::vector<FaceLayer> LayerStack(std::span<const int> dsp_order) {
    std::vector<FaceLayer> stack;
    for (auto it = dsp_order.rbegin(); it != dsp_order.rend(); ++it)
        if (*it >= 0 && *it < kFaceLayerCount) stack.push_back(static_cast<FaceLayer>(*it));
    return stack;
}

} // namespace vistrel
