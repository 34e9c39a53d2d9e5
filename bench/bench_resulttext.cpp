// The calculator's result text, computed at every evaluation key: cost per call for typical results.
#include "NumberText.h"
#include "Real48.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

Real48 stored(long double value)
{
    return Real48::fromExtended(value);
}

// Whole, cut short, the longest texts (13 digits, a power of two) and the ends of the range.
const Real48 &sample(int index)
{
    static const Real48 values[] = {
        stored(15),
        stored(stored(0.1L).toExtended() + stored(0.2L).toExtended()),
        stored(1.0L / 3),
        stored(902.0L * 2 / stored(4.53L).toExtended()),
        stored(std::ldexp(1.0L, -77)),
        stored(-std::ldexp(0x1.fffffffffep0L, 126)),
        stored(std::ldexp(1.5L, -128)),
    };
    return values[index];
}

void BM_ResultText(benchmark::State &state)
{
    const Real48 &value = sample(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(resultText(value));
    state.SetLabel(resultText(value).toStdString());
}
BENCHMARK(BM_ResultText)->DenseRange(0, 6);

} // namespace

BENCHMARK_MAIN();
