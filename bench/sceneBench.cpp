// Scenes: reading one, and the frames of a crowded one as corvexa-headless runs them.
//
//   build/bench/bench/corvexa_bench --benchmark_filter=scene

#include "headless/session.h"
#include "physics/constants.h"
#include "scene/scene.h"
#include "session/census.h"
#include "session/sceneInput.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <random>
#include <sstream>
#include <string>

namespace {

constexpr unsigned int sceneSeed = 7;
// Sessions are built afresh after this many frames, untimed.
constexpr int framesPerSession = 50;

const std::string header = "corvexa-scene 1\ntitle Bench\nship none\n";

// Starlink bodies by state, one a line, on circular orbits between 8 000 and 60 000 km.
std::string objectsByState(long long count) {
    std::mt19937 engine(sceneSeed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::string text = header;
    for (long long n = 0; n < count; ++n) {
        const double r = 8000.0 + 52000.0 * unit(engine); // km
        const double angle = twoPi * unit(engine);
        const double speed = std::sqrt(earthMu / (r * 1000.0));
        char line[160];
        std::snprintf(line, sizeof line, "starlink-body at %.6f %.6f velocity %.6f %.6f\n",
                      r * std::sin(angle), r * std::cos(angle), speed * std::cos(angle),
                      -speed * std::sin(angle));
        text += line;
    }
    return text;
}

// Starlink bodies 450 km apart on rings 650 km apart from 7 000 km out, a ring a line: none
// touches until the game's step has widened the inner rings into the next.
std::string rings(long long count) {
    std::string text = header;
    double r = 7000.0; // km
    for (long long placed = 0; placed < count; r += 650.0) {
        const auto onRing = std::min(count - placed, static_cast<long long>(twoPi * r / 450.0));
        text += "starlink-body orbit perigee " + std::to_string(r - earthRadius / 1000.0) +
                " count " + std::to_string(onRing) + "\n";
        placed += onRing;
    }
    return text;
}

Scene sceneOf(const std::string& text) {
    std::istringstream in(text);
    return readScene(in, "bench");
}

void sceneRead(benchmark::State& state) {
    const std::string text = objectsByState(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(sceneOf(text));
    }
    state.counters["bytes"] = static_cast<double>(text.size());
}
BENCHMARK(sceneRead)->Arg(10000)->Unit(benchmark::kMillisecond);

// The scene of range(0) objects on rings made into a world.
void sceneBuild(benchmark::State& state) {
    const std::string text = rings(state.range(0));
    for (auto _ : state) {
        const Scene scene = sceneOf(text);
        HeadlessSession session(1, KeyScript(), {}, &scene);
        benchmark::DoNotOptimize(session.getFrame());
    }
}
BENCHMARK(sceneBuild)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Headless frames of the rings: keys, motion, break-ups and the ship's drawing, through the
// backend that does nothing; with a census too when range(1), as a report row of every frame
// takes.
void sceneFrame(benchmark::State& state) {
    const Scene scene = sceneOf(rings(state.range(0)));
    const bool census = state.range(1) != 0;
    std::unique_ptr<HeadlessSession> pSession;
    for (auto _ : state) {
        if (!pSession || pSession->getFrame() == framesPerSession) {
            state.PauseTiming();
            pSession.reset();
            pSession = std::make_unique<HeadlessSession>(1, KeyScript(),
                                                         std::vector<Replay::Rebuild>(), &scene);
            state.ResumeTiming();
        }
        pSession->runFrame();
        if (census) {
            benchmark::DoNotOptimize(takeCensus(pSession->getWorld(), pSession->getFrame(), false));
        }
    }
}
BENCHMARK(sceneFrame)
    ->Args({10000, 0})
    ->Args({100000, 0})
    ->Args({100000, 1})
    ->Unit(benchmark::kMillisecond);

} // namespace
