// va, the formatting ring the XML export writes parameter values with,
// against snprintf into a stack buffer.
#include <Utils.h>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace
{
// The export's format and two typical values.
constexpr const char* kFormat = "%.3f %.3f";
float value1 = 0.853f;
float value2 = -2.772f;

void VaFormat(benchmark::State& state)
{
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(value1);
        benchmark::DoNotOptimize(va(kFormat, value1, value2));
    }
}

void SnprintfFormat(benchmark::State& state)
{
    char buffer[64];
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(value1);
        snprintf(buffer, sizeof(buffer), kFormat, value1, value2);
        benchmark::DoNotOptimize(buffer);
    }
}
}

BENCHMARK(VaFormat);
BENCHMARK(SnprintfFormat);
