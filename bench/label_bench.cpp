// What the tick costs when nothing changed: setting a label's caption to the text it already has.
#include "../tests/unit/NullLabelHost.h"
#include "widgets/ShadowLabel.h"

#include <benchmark/benchmark.h>

namespace {

void UnchangedCaption(benchmark::State& state) {
    NullLabelHost host(27);
    TShadowLabel label(host);
    label.SetCaption("12:34:56");
    const std::string same = "12:34:56";
    for (auto _ : state)
        label.SetCaption(same);
}
BENCHMARK(UnchangedCaption);

void UnchangedShadowOffset(benchmark::State& state) {
    NullLabelHost host(27);
    TShadowLabel label(host);
    for (auto _ : state)
        label.Shadow().SetOffsetLeft(1);
}
BENCHMARK(UnchangedShadowOffset);

} // namespace
