// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/bench_support.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <random>
#include <stdexcept>

#include <malloc.h>

#include "tests/support/helpers/tape_builder.h"
#include "tests/tape/tzx/tzx_builder.h"

namespace murax::bench {

std::string ScratchFolder::write(const std::string& name, const std::string& bytes) const
{
    const std::string full = path(name);
    std::ofstream out(full, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + full);
    return full;
}

std::string ordinaryTape(std::size_t bytes)
{
    std::mt19937 random(1982);
    std::uniform_int_distribution<std::size_t> dataLength(200, 16384);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string tape;
    tape.reserve(bytes + 17000);
    for (unsigned number = 0; tape.size() < bytes; ++number) {
        const std::size_t length = dataLength(random);
        std::string payload(length, '\0');
        for (char& c : payload)
            c = static_cast<char>(byte(random));
        if (number % 8 != 7)
            tape += testing::headerBlock(3, "block" + std::to_string(number),
                                         static_cast<unsigned>(length), 32768, 32768);
        tape += testing::dataBlock(payload);
    }
    return tape;
}

std::string tzxOfTap(std::string_view tap)
{
    std::string blocks;
    blocks.reserve(tap.size() + tap.size() / 64);
    for (std::size_t at = 0; at + 2 <= tap.size();) {
        const std::size_t length =
            static_cast<unsigned char>(tap[at]) + 256u * static_cast<unsigned char>(tap[at + 1]);
        blocks += testing::standardSpeed(tap.substr(at + 2, length));
        at += 2 + length;
    }
    return testing::tzxFile(blocks);
}

std::string zeroTape(std::size_t entries)
{
    return std::string(entries * 4, '\0');
}

std::size_t heapInUse()
{
    const struct mallinfo2 info = ::mallinfo2();
    return info.uordblks + info.hblkhd;
}

namespace {

std::size_t statusKilobytes(const char* name)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string prefix = std::string(name) + ":";
    while (std::getline(status, line))
        if (line.rfind(prefix, 0) == 0)
            return std::stoull(line.substr(prefix.size())) * 1024;
    return 0;
}

}  // namespace

std::size_t residentNow()
{
    return statusKilobytes("VmRSS");
}

std::size_t residentPeak()
{
    return statusKilobytes("VmHWM");
}

void resetResidentPeak()
{
    // Writing 5 sets the peak back to the resident size of the moment.
    std::ofstream("/proc/self/clear_refs") << "5";
}

namespace {

class ErrorNotingReporter : public benchmark::ConsoleReporter {
public:
    bool sawError = false;
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            sawError = sawError || run.error_occurred;
        ConsoleReporter::ReportRuns(runs);
    }
};

}  // namespace

int runBenchmarks(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    ErrorNotingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return reporter.sawError ? 1 : 0;
}

}  // namespace murax::bench
