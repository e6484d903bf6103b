// ExtractPlainText against memcpy of the same buffer, on plain mixed Chinese
// and ASCII text and on dense markup, at 1 MiB and 16 MiB.

#include <cstring>
#include <string>

#include <benchmark/benchmark.h>

#include "preview/plain_text.h"

namespace {

constexpr std::size_t kMiB = 1024 * 1024;

std::string Repeat(std::string_view unit, std::size_t bytes) {
    std::string text;
    text.reserve(bytes + unit.size());
    while (text.size() < bytes) text.append(unit);
    text.resize(bytes);
    return text;
}

// 字体预览 Typovel, 中文与English混排。 in code page 936.
std::string PlainSample(std::size_t bytes) {
    return Repeat("\xD7\xD6\xCC\xE5\xD4\xA4\xC0\xC0 Typovel, \xD6\xD0\xCE\xC4\xD3\xEB" "English\xBB\xEC\xC5\xC5\xA1\xA3 0123456789 ", bytes);
}

// Control words, groups, escapes and skipped destinations, one after another.
std::string MarkupSample(std::size_t bytes) {
    return Repeat("{\\b bold}\\par {\\i x\\'c4\\'e3}\\tab \\emdash{\\*\\zzz hidden}{\\fonttbl{\\f0 Arial;}}\\u8212?\\ldblquote q\\rdblquote\\par ", bytes);
}

void Extract(benchmark::State& state, std::string (*make)(std::size_t)) {
    const std::string sample = make(static_cast<std::size_t>(state.range(0)) * kMiB);
    for (auto _ : state) benchmark::DoNotOptimize(typovel::ExtractPlainText(sample));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(sample.size()));
}

void Memcpy(benchmark::State& state, std::string (*make)(std::size_t)) {
    const std::string sample = make(static_cast<std::size_t>(state.range(0)) * kMiB);
    std::string copy(sample.size(), '\0');
    for (auto _ : state) {
        std::memcpy(copy.data(), sample.data(), sample.size());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(sample.size()));
}

BENCHMARK_CAPTURE(Memcpy, plain, PlainSample)->Arg(1)->Arg(16)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Extract, plain, PlainSample)->Arg(1)->Arg(16)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Memcpy, markup, MarkupSample)->Arg(1)->Arg(16)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Extract, markup, MarkupSample)->Arg(1)->Arg(16)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
