#include "support/scriptedRand.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

#include <cstdint>
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

namespace {
using RandFunction = int (*)();

#ifdef __EMSCRIPTEN__
// WebAssembly is linked statically, with no second rand to look up: srand and the generator
// behind the script are here, as Emscripten's C library (musl) has them.
std::uint64_t seed = 0;

int libraryRand() {
    seed = 6364136223846793005ULL * seed + 1;
    return static_cast<int>(seed >> 33);
}
#endif

// The C library's own rand, behind the one below.
RandFunction findRealRand() {
#if defined(__EMSCRIPTEN__)
    return libraryRand;
#elif defined(_WIN32)
    // The C runtime is a DLL: msvcrt, or ucrtbase where the toolchain builds on that one.
    for (const char* runtime : {"msvcrt.dll", "ucrtbase.dll"}) {
        if (HMODULE module = GetModuleHandleA(runtime); module != nullptr) {
            return reinterpret_cast<RandFunction>(
                reinterpret_cast<void (*)()>(GetProcAddress(module, "rand")));
        }
    }
    return nullptr;
#else
    return reinterpret_cast<RandFunction>(dlsym(RTLD_NEXT, "rand"));
#endif
}
} // namespace

#ifdef __EMSCRIPTEN__
extern "C" void srand(unsigned int newSeed) { seed = newSeed - 1; }
#endif

// Interposes on the C library's rand for the whole test binary.
extern "C" int rand() {
    static const RandFunction realRand = findRealRand();
    ++scriptedrand::calls;
    if (!scriptedrand::pending.empty()) {
        const int value = scriptedrand::pending.front();
        scriptedrand::pending.pop_front();
        return value;
    }
    return realRand();
}
