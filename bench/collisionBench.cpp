// Frames of the world and its collision pass, against the plain loop over every pair.
//
//   build/bench/bench/corvexa_bench --benchmark_filter=...

#include "platform/platform.h"
#include "scenes.h"

#include "objects/bullet.h"
#include "objects/ship.h"
#include "physics/constants.h"
#include "simulation/collisionPass.h"
#include "simulation/simulator.h"
#include "support/referenceCollisionPass.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

// Worlds are built afresh after this many frames, untimed, so that the timed frames all meet
// much the same world.
constexpr int framesPerWorld = 400;
constexpr unsigned int ringSeed = 7;

using WorldPass = void (*)(Simulator& world, Satellite* extra);

// With --benchmark_repetitions, the fastest run: the one least disturbed by other work on the
// machine.
double fastest(const std::vector<double>& runs) {
    return *std::min_element(runs.begin(), runs.end());
}

void shippedWorldPass(Simulator& world, Satellite* extra) { world.checkCollisions(extra); }

// Builds the world, puts in the objects, then runs frames until it is due to be built again.
template <typename Build, typename Frame>
void runFrames(benchmark::State& state, Build build, Frame frame) {
    std::unique_ptr<Simulator> pWorld;
    int frames = framesPerWorld;
    for (auto _ : state) {
        if (frames == framesPerWorld) {
            state.PauseTiming();
            pWorld.reset();
            pWorld = std::make_unique<Simulator>();
            build(*pWorld);
            frames = 0;
            state.ResumeTiming();
        }
        frame(*pWorld);
        ++frames;
    }
    state.SetItemsProcessed(state.iterations());
}

// The default world's frame: motion, the pass with a ship of the benchmark's own as the extra
// object, so the pass can be swapped, then drawing.
void defaultWorldFrame(benchmark::State& state, WorldPass pass) {
    Ship ship;
    runFrames(
        state, [](Simulator&) {},
        [&](Simulator& world) {
            world.advancePopulation(timeStep);
            ship.advance(timeStep);
            pass(world, &ship);
            world.draw();
        });
}
BENCHMARK_CAPTURE(defaultWorldFrame, shipped, shippedWorldPass)
    ->Unit(benchmark::kMicrosecond)
    ->ComputeStatistics("min", fastest);
BENCHMARK_CAPTURE(defaultWorldFrame, reference, referenceCheckCollisions)
    ->Unit(benchmark::kMicrosecond)
    ->ComputeStatistics("min", fastest);

// The default world's pass alone, as it stands before anything has moved.
void defaultWorldPass(benchmark::State& state, WorldPass pass) {
    Simulator world;
    Ship ship;
    for (auto _ : state) {
        pass(world, &ship);
    }
}
BENCHMARK_CAPTURE(defaultWorldPass, shipped, shippedWorldPass)->ComputeStatistics("min", fastest);
BENCHMARK_CAPTURE(defaultWorldPass, reference, referenceCheckCollisions)
    ->ComputeStatistics("min", fastest);

// The frame as the program runs it, after range(0) bullets have come and gone.
void frameAfterDeadObjects(benchmark::State& state) {
    const auto dead = static_cast<std::size_t>(state.range(0));
    runFrames(
        state,
        [dead](Simulator& world) {
            SatelliteList none;
            for (std::size_t n = 0; n < dead; ++n) {
                auto* pBullet = new Bullet(Position(1.0e9, 0.0), Velocity());
                pBullet->destroy(none);
                world.addObject(pBullet);
            }
            world.advance();
        },
        [](Simulator& world) {
            world.advance();
            world.draw();
        });
}
BENCHMARK(frameAfterDeadObjects)
    ->Arg(0)
    ->Arg(1000)
    ->Arg(100000)
    ->Unit(benchmark::kMicrosecond)
    ->ComputeStatistics("min", fastest);

// Motion and the collision pass, without drawing, with range(0) live objects on the rings.
void stepAndPass(benchmark::State& state) {
    const auto count = static_cast<std::size_t>(state.range(0));
    runFrames(
        state,
        [count](Simulator& world) {
            for (auto& pMote : makeRings(count, ringSeed, true)) {
                world.addObject(pMote.release());
            }
        },
        [](Simulator& world) { world.advance(); });
}
BENCHMARK(stepAndPass)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The collision pass alone over range(0) objects on the rings. Each run first revives what the
// last one broke up, which costs both passes the same.
template <typename Pass> void passAlone(benchmark::State& state, Pass pass) {
    const auto motes = makeRings(static_cast<std::size_t>(state.range(0)), ringSeed, false);
    std::vector<Satellite*> objects;
    for (const auto& pMote : motes) {
        objects.push_back(pMote.get());
    }
    SatelliteList newDebris;
    const long long before = Mote::breakUps();
    for (auto _ : state) {
        for (const auto& pMote : motes) {
            pMote->revive();
        }
        pass(objects, newDebris);
    }
    state.counters["breakUps"] =
        static_cast<double>(Mote::breakUps() - before) / static_cast<double>(state.iterations());
}

void shippedPassAlone(benchmark::State& state) {
    CollisionPass collisionPass;
    passAlone(state, [&](const std::vector<Satellite*>& objects, SatelliteList& newDebris) {
        collisionPass.run(objects, newDebris);
    });
}
void referencePassAlone(benchmark::State& state) { passAlone(state, referenceCollisionPass); }
BENCHMARK(shippedPassAlone)->RangeMultiplier(10)->Range(100, 100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(referencePassAlone)
    ->RangeMultiplier(10)
    ->Range(100, 100000)
    ->Unit(benchmark::kMicrosecond);

// The two ways of finding the pairs among a few live objects, for the threshold between them.
void pairsByLoop(benchmark::State& state) {
    CollisionPass collisionPass(SIZE_MAX);
    passAlone(state, [&](const std::vector<Satellite*>& objects, SatelliteList& newDebris) {
        collisionPass.run(objects, newDebris);
    });
}
void pairsByGrid(benchmark::State& state) {
    CollisionPass collisionPass(0);
    passAlone(state, [&](const std::vector<Satellite*>& objects, SatelliteList& newDebris) {
        collisionPass.run(objects, newDebris);
    });
}
BENCHMARK(pairsByLoop)->RangeMultiplier(2)->Range(8, 256);
BENCHMARK(pairsByGrid)->RangeMultiplier(2)->Range(8, 256);

} // namespace

int main(int argc, char** argv) {
    Position::setZoom(runningZoom);
    platform::seedRandom(1);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
