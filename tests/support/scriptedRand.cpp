#include "support/scriptedRand.h"

#include <dlfcn.h>

#include <deque>

namespace scriptedrand {
namespace {
std::deque<int> pending;
int calls = 0;
} // namespace

void script(std::initializer_list<int> values) { pending.insert(pending.end(), values); }
int callCount() { return calls; }
void reset() {
    pending.clear();
    calls = 0;
}

} // namespace scriptedrand

// Interposes on the C library's rand for the whole test binary.
extern "C" int rand() {
    using RandFunction = int (*)();
    static const auto realRand = reinterpret_cast<RandFunction>(dlsym(RTLD_NEXT, "rand"));
    ++scriptedrand::calls;
    if (!scriptedrand::pending.empty()) {
        const int value = scriptedrand::pending.front();
        scriptedrand::pending.pop_front();
        return value;
    }
    return realRand();
}
