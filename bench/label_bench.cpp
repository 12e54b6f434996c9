// What the tick costs when nothing changed: setting a label's caption to the text it already has.
#include "widgets/ShadowLabel.h"

#include <benchmark/benchmark.h>

namespace {

class NullHost : public LabelHost {
public:
    void InvalidateArea(const LabelRect&) override {}
    LabelRect MeasureText(const std::string& text, const LabelFont&, unsigned,
                          const LabelRect& start) override {
        return LabelRect{start.left, start.top, start.left + 10 * static_cast<int>(text.size()),
                         start.top + 27};
    }
};

void UnchangedCaption(benchmark::State& state) {
    NullHost host;
    TShadowLabel label(host);
    label.SetCaption("12:34:56");
    const std::string same = "12:34:56";
    for (auto _ : state)
        label.SetCaption(same);
}
BENCHMARK(UnchangedCaption);

void UnchangedShadowOffset(benchmark::State& state) {
    NullHost host;
    TShadowLabel label(host);
    for (auto _ : state)
        label.Shadow().SetOffsetLeft(1);
}
BENCHMARK(UnchangedShadowOffset);

} // namespace
