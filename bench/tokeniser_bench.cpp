// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Tokenising a BASIC listing of 40 KB, the size of a program that fills a 48K Spectrum's memory:
// keywords in every case, numbers of every form, strings with escapes, REM lines. Making an entry
// from such a file must show no pause: well under 100 ms.

#include <benchmark/benchmark.h>

#include <string>

#include "bench/bench_support.h"
#include "tape/make/basic_tokeniser.h"

namespace murax::bench {
namespace {

constexpr std::size_t kListingBytes = 40u << 10;

std::string fortyKilobyteListing()
{
    static const char* const kStatements[] = {
        "PRINT AT 10,5;\"score: \";s;\" \\a\\b\\::\\{16}\\{2}red\"",
        "let total=total+peek (23672+i)*1.5e-3-.25",
        "IF a<=b AND NOT c THEN GO TO 100",
        "for i=1 to 255 step 2: poke 32768+i,bin 10101010: next i",
        "rem this line is kept just as it is typed, 123 print goto",
        "DATA 3.14159,65535,65536,-1e10,0.1,\"x\"",
        "go sub 9000: randomize usr 40000: border 0: cls"};
    std::string listing;
    unsigned line = 1;
    for (std::size_t i = 0; listing.size() < kListingBytes; ++i, ++line)
        listing += std::to_string(line) + " " + kStatements[i % std::size(kStatements)] + ":" +
                   kStatements[(i + 3) % std::size(kStatements)] + "\n";
    return listing;
}

void tokeniseFortyKilobytes(benchmark::State& state)
{
    const std::string listing = fortyKilobyteListing();
    for (auto _ : state) {
        TokenisedBasic made = tokeniseBasic(listing);
        if (made.error)
            state.SkipWithError(basicErrorText(*made.error).c_str());
        benchmark::DoNotOptimize(made.program);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * listing.size()));
}
BENCHMARK(tokeniseFortyKilobytes)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace murax::bench

int main(int argc, char** argv)
{
    return murax::bench::runBenchmarks(argc, argv);
}
