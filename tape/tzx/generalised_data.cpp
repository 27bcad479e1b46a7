// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/tzx/generalised_data.h"

#include <cstdint>
#include <vector>

#include "tape/format/entry_bytes.h"
#include "tape/tzx/little_endian.h"

namespace murax::tzx {
namespace {

// The fields before the symbol tables: pause, pilot symbols in the stream, pulses per pilot
// symbol, pilot alphabet, data symbols in the stream, pulses per data symbol, data alphabet.
constexpr std::size_t kFixedFields = 0x0E;

struct Symbol {
    unsigned flags = 0;
    std::vector<std::uint64_t> pulses;  // up to the first pulse of length 0, which ends it
};

Symbol symbolAt(std::string_view body, std::size_t at, unsigned pulsesPerSymbol)
{
    Symbol symbol;
    symbol.flags = byteAt(body, at);
    for (unsigned i = 0; i < pulsesPerSymbol; ++i) {
        const std::uint64_t pulse = littleEndian(body, at + 1 + 2 * i, 2);
        if (pulse == 0)
            break;
        symbol.pulses.push_back(pulse);
    }
    return symbol;
}

// One bit as a ROM loader reads it: two equal pulses, each an edge (polarity bits 0).
bool isPlainBit(const Symbol& symbol)
{
    return (symbol.flags & 3u) == 0 && symbol.pulses.size() == 2 &&
           symbol.pulses[0] == symbol.pulses[1];
}

unsigned bitsPerSymbol(unsigned alphabet)
{
    unsigned bits = 0;
    while ((1u << bits) < alphabet)
        ++bits;
    return bits;
}

GeneralisedData notStandard(std::string problem)
{
    GeneralisedData result;
    result.kind = GeneralisedData::Kind::NotStandard;
    result.problem = std::move(problem);
    return result;
}

}  // namespace

GeneralisedData readGeneralisedData(std::string_view body)
{
    GeneralisedData result;
    if (body.size() < kFixedFields) {
        result.kind = GeneralisedData::Kind::Malformed;
        result.problem = "its fields need " + std::to_string(kFixedFields) +
                         " bytes, but its length gives " + std::to_string(body.size());
        return result;
    }
    const std::uint64_t pilotSymbols = littleEndian(body, 0x02, 4);
    const unsigned pilotPulses = byteAt(body, 0x06);
    const unsigned pilotAlphabet = byteAt(body, 0x07) == 0 ? 256 : byteAt(body, 0x07);
    const std::uint64_t dataSymbols = littleEndian(body, 0x08, 4);
    const unsigned dataPulses = byteAt(body, 0x0C);
    const unsigned dataAlphabet = byteAt(body, 0x0D) == 0 ? 256 : byteAt(body, 0x0D);

    std::uint64_t at = kFixedFields;
    if (pilotSymbols > 0)
        at += pilotAlphabet * (1 + 2 * std::uint64_t{pilotPulses}) + 3 * pilotSymbols;
    const std::uint64_t dataTable = at;
    if (dataSymbols > 0)
        at += dataAlphabet * (1 + 2 * std::uint64_t{dataPulses});
    const std::uint64_t stream = at;
    const std::uint64_t streamBytes = (dataSymbols * bitsPerSymbol(dataAlphabet) + 7) / 8;
    at += streamBytes;
    if (at > body.size()) {
        result.kind = GeneralisedData::Kind::Malformed;
        result.problem = "its symbol tables and data need " + std::to_string(at) +
                         " bytes, but its length gives " + std::to_string(body.size());
        return result;
    }

    if (dataSymbols == 0)
        return notStandard("pilot and sync pulses without data");
    if (dataAlphabet == 1)
        return notStandard("data of one symbol only, which carries no bits");
    if (dataAlphabet != 2)
        return notStandard("data symbols of more than one bit");
    const std::size_t symbolSize = 1 + 2 * std::size_t{dataPulses};
    const Symbol zero = symbolAt(body, static_cast<std::size_t>(dataTable), dataPulses);
    const Symbol one = symbolAt(body, static_cast<std::size_t>(dataTable) + symbolSize, dataPulses);
    if (!isPlainBit(zero) || !isPlainBit(one) || zero.pulses[0] >= one.pulses[0])
        return notStandard("data bits that are not two equal pulses, the 0 shorter than the 1");

    result.kind = GeneralisedData::Kind::Bytes;
    result.bytes =
        body.substr(static_cast<std::size_t>(stream), static_cast<std::size_t>(streamBytes));
    result.bitsInLastByte = dataSymbols % 8 == 0 ? 8u : static_cast<unsigned>(dataSymbols % 8);
    return result;
}

}  // namespace murax::tzx
