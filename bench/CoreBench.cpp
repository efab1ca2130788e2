// SPDX-License-Identifier: MIT
#include <benchmark/benchmark.h>

#include <optional>

#include "Corpus.h"
#include "CssColor.h"
#include "OutputFormats.h"
#include "Renderer.h"
#include "Tokenizer.h"
#include "Utf8.h"

namespace hueloupe::bench {
namespace {

// Parsing without the memo, over the whole corpus (lower-cased beforehand).
void BM_ParseCold(benchmark::State& state) {
    std::vector<std::string> lowered;
    for (const std::string& text : corpus()) {
        lowered.push_back(toLowerUtf8(text));
    }
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(parseLowercasedCssColor(lowered[i]));
        i = i + 1 == lowered.size() ? 0 : i + 1;
    }
}
BENCHMARK(BM_ParseCold);

// The public entry point on texts it has seen before: lower-casing plus one memo lookup.
void BM_ParseMemoHit(benchmark::State& state) {
    const auto& texts = corpus();
    for (const std::string& text : texts) {
        benchmark::DoNotOptimize(colorFromCSString(text));
    }
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(colorFromCSString(texts[i]));
        i = i + 1 == texts.size() ? 0 : i + 1;
    }
}
BENCHMARK(BM_ParseMemoHit);

// The same text again, as when the user pastes it twice: the memo entry is hot.
void BM_ParseMemoHitSameText(benchmark::State& state) {
    const std::string text = "rgba(239, 11, 163, 0.99)";
    benchmark::DoNotOptimize(colorFromCSString(text));
    for (auto _ : state) {
        benchmark::DoNotOptimize(colorFromCSString(text));
    }
}
BENCHMARK(BM_ParseMemoHitSameText);

std::vector<ColorValue> corpusColours() {
    std::vector<ColorValue> colours;
    for (const std::string& text : corpus()) {
        if (const auto colour = colorFromCSString(text)) {
            colours.push_back(*colour);
        }
    }
    return colours;
}

void renderBench(benchmark::State& state, std::string_view format) {
    const TokenList tokens = tokenize(format);
    const std::vector<ColorValue> colours = corpusColours();
    std::string out;
    std::size_t i = 0;
    for (auto _ : state) {
        out.clear();
        renderInto(tokens, colours[i], out);
        benchmark::DoNotOptimize(out.data());
        i = i + 1 == colours.size() ? 0 : i + 1;
    }
}

void BM_RenderHex(benchmark::State& state) {
    renderBench(state, "#{rr}{gg}{bb}");
}
BENCHMARK(BM_RenderHex);

void BM_RenderHsla(benchmark::State& state) {
    renderBench(state, "hsla({h}, {s}%, {l}%, {a})");
}
BENCHMARK(BM_RenderHsla);

// Fresh strings, as the CLI and the app produce them.
void BM_RenderHexToString(benchmark::State& state) {
    const TokenList tokens = tokenize("#{rr}{gg}{bb}");
    const ColorValue colour{188 / 255.0, 227 / 255.0, 104 / 255.0, 1.0};
    for (auto _ : state) {
        benchmark::DoNotOptimize(render(tokens, colour));
    }
}
BENCHMARK(BM_RenderHexToString);

void BM_Tokenize(benchmark::State& state) {
    const std::string_view format =
        kOutputFormats[static_cast<std::size_t>(state.range(0))].formatString;
    state.SetLabel(std::string(format));
    for (auto _ : state) {
        benchmark::DoNotOptimize(tokenize(format));
    }
}
BENCHMARK(BM_Tokenize)->DenseRange(0, 10);

// A pasted 10 MB text that is no colour: the whole search runs, nothing is memoised.
void BM_Parse10MBJunk(benchmark::State& state) {
    std::string junk;
    while (junk.size() < (10u << 20)) {
        junk += "rgb(1.2, 3, #12 hsl(9 Lorem ipsum ";
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(colorFromCSString(junk));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * junk.size()));
}
BENCHMARK(BM_Parse10MBJunk)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace hueloupe::bench

// The corpus is read first, so that a missing one stops the program before any benchmark.
int main(int argc, char** argv) {
    hueloupe::bench::corpus();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
