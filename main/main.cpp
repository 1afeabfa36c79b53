#include "physics/position.h"
#include "ui/uiInteract.h"

namespace {
void frameCallback(const WindowInterface* /*pUI*/, void* /*userData*/) {}
} // namespace

int main(int argc, char** argv) {
    Position ptUpperRight;
    ptUpperRight.setZoom(100000.0);
    ptUpperRight.setPixelsX(700.0);
    ptUpperRight.setPixelsY(500.0);
    WindowInterface ui(argc, argv, "Corvexa", ptUpperRight);
    ui.run(frameCallback, nullptr);
    return 0;
}
