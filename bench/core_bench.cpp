// Tempotik — a click-speed meter. Licensed under the MIT licence.
// Ticks per second through the core, and through the trace driver as a whole
// process, each beside a baseline measured in the same run.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "display_fields.h"
#include "handlers.h"
#include "number_text.h"

namespace {

using namespace tempotik;

// A realistic tick: 8 clicks a second, so every boundary shows figures.
void BM_Tick(benchmark::State& state) {
    DisplayFields display;
    Counters counters;
    long ticks = 0;
    for (auto _ : state) {
        if (ticks % 12 == 0) {
            countClick(display, counters);
        }
        tick(display, counters);
        if (++ticks % 1'000'000 == 0) {
            reset(display, counters);  // long before the half-second count overflows
        }
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Tick);

// Baseline: one caption round trip (read, parse, subtract, format, write),
// the least a tick does.
void BM_CaptionRoundTrip(benchmark::State& state) {
    DisplayFields display;
    display.setCaption(Field::Secondeover, "1000000000");
    for (auto _ : state) {
        display.setCaption(
            Field::Secondeover,
            doubleToCaption(captionToDouble(display.caption(Field::Secondeover)) - 1));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CaptionRoundTrip);

// The whole trace driver: 1,638,400 ticks, the 32,768 half seconds until the
// count overflows. Items are ticks.
void runTrace(benchmark::State& state, const char* input, long ticks) {
    const std::string command =
        std::string("printf '") + input + "' | " TEMPOTIK_TRACE " >/dev/null";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("tempotik-trace failed");
        }
    }
    state.SetItemsProcessed(state.iterations() * ticks);
}

void BM_TraceDriver(benchmark::State& state) {
    runTrace(state, "c\\nt 1638400\\n", 1'638'400);
}
BENCHMARK(BM_TraceDriver)->Unit(benchmark::kMillisecond)->UseRealTime();

// Baseline: the same process and input with the timer never started, so no
// tick runs: what starting the driver costs.
void BM_TraceDriverIdle(benchmark::State& state) {
    runTrace(state, "t 1638400\\n", 0);
}
BENCHMARK(BM_TraceDriverIdle)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
