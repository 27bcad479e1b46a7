// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/bench_support.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <random>
#include <stdexcept>

#include <malloc.h>

namespace murax::bench {

ScratchFolder::ScratchFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "murax-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a scratch folder");
    folder_ = pattern;
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

std::string ScratchFolder::write(const std::string& name, const std::string& bytes) const
{
    const std::string full = path(name);
    std::ofstream out(full, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + full);
    return full;
}

namespace {

void appendFramed(std::string& tape, const std::string& block)
{
    tape += static_cast<char>(block.size() & 0xFF);
    tape += static_cast<char>(block.size() >> 8);
    tape += block;
}

std::string withChecksum(std::string block)
{
    unsigned char x = 0;
    for (const char c : block)
        x ^= static_cast<unsigned char>(c);
    block += static_cast<char>(x);
    return block;
}

}  // namespace

std::string ordinaryTape(std::size_t bytes)
{
    std::mt19937 random(1982);
    std::uniform_int_distribution<std::size_t> dataLength(200, 16384);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string tape;
    tape.reserve(bytes + 17000);
    for (unsigned number = 0; tape.size() < bytes; ++number) {
        const std::size_t length = dataLength(random);
        std::string data(1, '\xFF');
        data.reserve(length + 2);
        for (std::size_t i = 0; i < length; ++i)
            data += static_cast<char>(byte(random));
        if (number % 8 != 7) {
            std::string header(1, '\0');
            header += '\x03';
            std::string name = "block" + std::to_string(number);
            name.resize(10, ' ');
            header += name;
            for (const unsigned word : {static_cast<unsigned>(length), 32768u, 32768u}) {
                header += static_cast<char>(word & 0xFF);
                header += static_cast<char>(word >> 8);
            }
            appendFramed(tape, withChecksum(header));
        }
        appendFramed(tape, withChecksum(data));
    }
    return tape;
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
