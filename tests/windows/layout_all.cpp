#include "layout.h"

namespace layout {

std::vector<Window> allWindows() {
    return {
        startWindow(),         squareWindow(), rectangleWindow(), rhombusWindow(),
        parallelogramWindow(), circleWindow(), triangleWindow(),
    };
}

} // namespace layout
