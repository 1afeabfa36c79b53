// Linked against one graphics backend at a time, this names every call of graphics.h, so that a
// backend lacking one fails to link with a message that names it.

#include "graphics/graphics.h"

namespace {

using AnyCall = void (*)();
// Stores to a volatile object are kept, so no reference is optimised away before the link.
AnyCall volatile sink = nullptr;

template <typename Call> void require(Call call) { sink = reinterpret_cast<AnyCall>(call); }

} // namespace

int main() {
    using namespace graphics;
    require(&begin);
    require(&end);
    require(&vertex2f);
    require(&color3f);
    require(&rasterPos2f);
    require(&bitmapCharacter);
    require(&clear);
    require(&clearColor);
    require(&ortho2D);
    require(&init);
    require(&initWindowSize);
    require(&initWindowPosition);
    require(&initDisplayMode);
    require(&createWindow);
    require(&ignoreKeyRepeat);
    require(&setOption);
    require(&displayFunc);
    require(&idleFunc);
    require(&keyboardFunc);
    require(&keyboardUpFunc);
    require(&specialFunc);
    require(&specialUpFunc);
    require(&mainLoop);
    require(&swapBuffers);
    return 0;
}
