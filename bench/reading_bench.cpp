// The read button's walk must stay linear in the length of the text: a
// reading of 1 MB with a player that returns at once, from the text area's
// UTF-16 to the last letter.

#include "cp1256.h"
#include "reading.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// Mixed Arabic text with breaks, marks, digits and Latin: about a third of
// the characters are letters of the table.
std::u16string sampleText(std::size_t chars) {
    const std::u16string piece = u"\u0628\u064E\u0627\u0628 \u062F\u0627\u0631\n12 ok \u0644\u0627 "
                                 u"\u0629\u0649\u0640\u0645";
    std::u16string text;
    text.reserve(chars + piece.size());
    while (text.size() < chars)
        text += piece;
    text.resize(chars);
    return text;
}

void readingWalk(benchmark::State& state) {
    const std::u16string text = sampleText(static_cast<std::size_t>(state.range(0)));
    std::size_t heard = 0;
    for (auto _ : state) {
        const std::string bytes = core::textToCp1256(text);
        heard += core::readText(bytes, [](const char* r) { benchmark::DoNotOptimize(r); });
    }
    benchmark::DoNotOptimize(heard);
    state.SetBytesProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
}

} // namespace

BENCHMARK(readingWalk)
    ->RangeMultiplier(4)
    ->Range(1 << 14, 1 << 20)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

BENCHMARK_MAIN();
