// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/inspect/z80_instruction.h"

#include <array>

#include "tape/format/hex_text.h"

namespace murax {
namespace {

// An opcode byte read as x (bits 7-6), y (5-3), z (2-0), and y as p (5-4) and q (3): each group
// of instructions picks its operands from these tables by one of them.
using Names = std::array<const char*, 8>;
constexpr Names kRegisters = {"B", "C", "D", "E", "H", "L", "(HL)", "A"};
constexpr Names kConditions = {"NZ", "Z", "NC", "C", "PO", "PE", "P", "M"};
constexpr Names kArithmetic = {"ADD A,", "ADC A,", "SUB ", "SBC A,", "AND ", "XOR ", "OR ", "CP "};
constexpr Names kShifts = {"RLC ", "RRC ", "RL ", "RR ", "SLA ", "SRA ", "SLL ", "SRL "};
constexpr Names kBitOperations = {"", "BIT ", "RES ", "SET "};
constexpr Names kAccumulator = {"RLCA", "RRCA", "RLA", "RRA", "DAA", "CPL", "SCF", "CCF"};
constexpr Names kInterruptModes = {"0", "0/1", "1", "2", "0", "0/1", "1", "2"};
constexpr Names kSpecialRegisters = {"LD I,A", "LD R,A", "LD A,I", "LD A,R", "RRD", "RLD"};
constexpr std::array<const char*, 4> kPairs = {"BC", "DE", "HL", "SP"};
// ED A0 to ED BB: [y - 4][z].
constexpr std::array<std::array<const char*, 4>, 4> kBlockInstructions = {{
    {"LDI", "CPI", "INI", "OUTI"},
    {"LDD", "CPD", "IND", "OUTD"},
    {"LDIR", "CPIR", "INIR", "OTIR"},
    {"LDDR", "CPDR", "INDR", "OTDR"},
}};

constexpr unsigned kIxPrefix = 0xDD;
constexpr unsigned kIyPrefix = 0xFD;
constexpr unsigned kBitPrefix = 0xCB;
constexpr unsigned kExtendedPrefix = 0xED;
constexpr unsigned kHalt = 0x76;

// The fields of one opcode byte.
struct Opcode {
    explicit Opcode(unsigned byte)
        : x(byte >> 6), y((byte >> 3) & 7), z(byte & 7), p(y >> 1), q(y & 1)
    {}
    unsigned x, y, z, p, q;
};

class Decoder {
public:
    Decoder(std::string_view code, std::uint16_t address) : code_(code), address_(address) {}

    Z80Instruction decode()
    {
        unsigned op = next();
        if (op == kIxPrefix || op == kIyPrefix) {
            index_ = op == kIxPrefix ? "IX" : "IY";
            op = next();
            // A prefix before another prefix gives way to it.
            if (pastEnd_ || op == kIxPrefix || op == kIyPrefix || op == kExtendedPrefix)
                return data(1);
        }
        if (op == kBitPrefix && index_ != nullptr)
            indexedBitInstruction();
        else if (op == kBitPrefix)
            bitInstruction(Opcode(next()));
        else if (op == kExtendedPrefix)
            extended(next());
        else
            unprefixed(op);
        if (pastEnd_)
            return data(code_.size());
        if (index_ != nullptr && !indexUsed_)
            return data(1);
        if (doesNothing_)
            return data(at_);
        return {at_, std::move(text_), exact_};
    }

private:
    unsigned next()
    {
        if (at_ >= code_.size()) {
            pastEnd_ = true;
            return 0;
        }
        return static_cast<unsigned char>(code_[at_++]);
    }

    void add(const char* text) { text_ += text; }

    void hex(unsigned value, int digits)
    {
        text_ += '$';
        appendHex(text_, value, digits);
    }

    void byteOperand() { hex(next(), 2); }

    void wordOperand()
    {
        const unsigned low = next();
        hex(low + 256 * next(), 4);
    }

    void displacedIndex(int displacement)
    {
        indexUsed_ = true;
        add("(");
        add(index_);
        text_ += displacement < 0 ? '-' : '+';
        text_ += std::to_string(displacement < 0 ? -displacement : displacement);
        add(")");
    }

    static int signedByte(unsigned byte) { return byte < 128 ? int(byte) : int(byte) - 256; }

    // r[i]: under a prefix (HL) is (IX+d), and H and L are the halves of IX where `halves` (they
    // are not in an instruction that also has (IX+d)).
    void reg(unsigned i, bool halves)
    {
        if (index_ != nullptr && i == 6) {
            displacedIndex(signedByte(next()));
        } else if (index_ != nullptr && halves && (i == 4 || i == 5)) {
            indexUsed_ = true;
            add(index_);
            add(i == 4 ? "H" : "L");
        } else {
            add(kRegisters[i]);
        }
    }

    void hl()
    {
        if (index_ == nullptr) {
            add("HL");
        } else {
            indexUsed_ = true;
            add(index_);
        }
    }

    // rp[p], or with `af` rp2[p], which has AF for SP.
    void pair(unsigned p, bool af = false)
    {
        if (p == 2)
            hl();
        else
            add(af && p == 3 ? "AF" : kPairs[p]);
    }

    // DJNZ and JR: the target, which the processor reaches by wrapping past 0 or 65535 where it
    // lies beyond them, and which an assembler then cannot reach at all.
    void relative()
    {
        const int offset = signedByte(next());
        const long target = long(address_) + long(at_) + offset;
        exact_ = target >= 0 && target <= 0xFFFF;
        hex(static_cast<unsigned>(target) & 0xFFFF, 4);
    }

    void unprefixed(unsigned byte)
    {
        const Opcode op(byte);
        if (op.x == 0) {
            lowQuarter(op);
        } else if (byte == kHalt) {
            add("HALT");
        } else if (op.x == 1) {
            add("LD ");
            reg(op.y, op.z != 6);
            add(",");
            reg(op.z, op.y != 6);
        } else if (op.x == 2) {
            add(kArithmetic[op.y]);
            reg(op.z, true);
        } else {
            highQuarter(op);
        }
    }

    void lowQuarter(const Opcode& op)
    {
        switch (op.z) {
        case 0:
            if (op.y == 0) {
                add("NOP");
            } else if (op.y == 1) {
                add("EX AF,AF'");
            } else {
                add(op.y == 2 ? "DJNZ " : "JR ");
                if (op.y >= 4) {
                    add(kConditions[op.y - 4]);
                    add(",");
                }
                relative();
            }
            return;
        case 1:
            if (op.q == 0) {
                add("LD ");
                pair(op.p);
                add(",");
                wordOperand();
            } else {
                add("ADD ");
                hl();
                add(",");
                pair(op.p);
            }
            return;
        case 2:
            memoryTransfer(op);
            return;
        case 3:
            add(op.q == 0 ? "INC " : "DEC ");
            pair(op.p);
            return;
        case 4:
        case 5:
            add(op.z == 4 ? "INC " : "DEC ");
            reg(op.y, true);
            return;
        case 6:
            add("LD ");
            reg(op.y, true);
            add(",");
            byteOperand();
            return;
        default:
            add(kAccumulator[op.y]);
        }
    }

    // LD (BC),A to LD A,(nn): q says which way, p which place.
    void memoryTransfer(const Opcode& op)
    {
        add("LD ");
        if (op.q == 1) {
            if (op.p == 2)
                hl();
            else
                add("A");
            add(",");
        }
        if (op.p < 2) {
            add(op.p == 0 ? "(BC)" : "(DE)");
        } else {
            add("(");
            wordOperand();
            add(")");
        }
        if (op.q == 0) {
            add(",");
            if (op.p == 2)
                hl();
            else
                add("A");
        }
    }

    void highQuarter(const Opcode& op)
    {
        switch (op.z) {
        case 0:
            add("RET ");
            add(kConditions[op.y]);
            return;
        case 1:
            if (op.q == 0) {
                add("POP ");
                pair(op.p, true);
            } else if (op.p < 2) {
                add(op.p == 0 ? "RET" : "EXX");
            } else {
                add(op.p == 2 ? "JP (" : "LD SP,");
                hl();
                if (op.p == 2)
                    add(")");
            }
            return;
        case 2:
        case 4:
            add(op.z == 2 ? "JP " : "CALL ");
            add(kConditions[op.y]);
            add(",");
            wordOperand();
            return;
        case 3:
            singles(op.y);
            return;
        case 5:
            if (op.q == 0) {
                add("PUSH ");
                pair(op.p, true);
            } else {
                add("CALL ");
                wordOperand();
            }
            return;
        case 6:
            add(kArithmetic[op.y]);
            byteOperand();
            return;
        default:
            add("RST ");
            hex(op.y * 8, 2);
        }
    }

    // C3 to FB in steps of 8 (CB has its own way in).
    void singles(unsigned y)
    {
        switch (y) {
        case 0:
            add("JP ");
            wordOperand();
            return;
        case 2:
            add("OUT (");
            byteOperand();
            add("),A");
            return;
        case 3:
            add("IN A,(");
            byteOperand();
            add(")");
            return;
        case 4:
            add("EX (SP),");
            hl();
            return;
        case 5:
            add("EX DE,HL");  // a prefix does not change it
            return;
        default:
            add(y == 6 ? "DI" : "EI");
        }
    }

    void bitInstruction(const Opcode& op)
    {
        if (op.x == 0) {
            add(kShifts[op.y]);
        } else {
            add(kBitOperations[op.x]);
            text_ += char('0' + op.y);
            add(",");
        }
        add(kRegisters[op.z]);
    }

    // DD CB d op: the displacement comes before the opcode. With a register's code rather than
    // (HL)'s, a shift or RES/SET also stores the result in the register, and BIT is BIT.
    void indexedBitInstruction()
    {
        const int displacement = signedByte(next());
        const Opcode op(next());
        if (op.x == 0) {
            add(kShifts[op.y]);
        } else {
            add(kBitOperations[op.x]);
            text_ += char('0' + op.y);
            add(",");
        }
        displacedIndex(displacement);
        exact_ = op.z == 6;
        if (op.z != 6 && op.x != 1) {
            add(",");
            add(kRegisters[op.z]);
        }
    }

    void extended(unsigned byte)
    {
        const Opcode op(byte);
        if (op.x == 2 && op.z <= 3 && op.y >= 4) {
            add(kBlockInstructions[op.y - 4][op.z]);
            return;
        }
        if (op.x != 1 || (op.z == 7 && op.y >= 6)) {
            doesNothing_ = true;
            return;
        }
        switch (op.z) {
        case 0:
            add("IN ");
            add(op.y == 6 ? "F" : kRegisters[op.y]);
            add(",(C)");
            exact_ = op.y != 6;
            return;
        case 1:
            add("OUT (C),");
            add(op.y == 6 ? "0" : kRegisters[op.y]);
            exact_ = op.y != 6;
            return;
        case 2:
            add(op.q == 0 ? "SBC HL," : "ADC HL,");
            add(kPairs[op.p]);
            return;
        case 3:
            add("LD ");
            if (op.q == 1) {
                add(kPairs[op.p]);
                add(",");
            }
            add("(");
            wordOperand();
            add(")");
            if (op.q == 0) {
                add(",");
                add(kPairs[op.p]);
            }
            // HL has its own shorter code, which assemblers choose.
            exact_ = op.p != 2;
            return;
        case 4:
            add("NEG");
            exact_ = op.y == 0;
            return;
        case 5:
            add(op.y == 1 ? "RETI" : "RETN");
            exact_ = op.y <= 1;
            return;
        case 6:
            add("IM ");
            add(kInterruptModes[op.y]);
            exact_ = op.y == 0 || op.y == 2 || op.y == 3;
            return;
        default:
            add(kSpecialRegisters[op.y]);
        }
    }

    Z80Instruction data(std::size_t length) const
    {
        Z80Instruction instruction;
        instruction.length = length;
        instruction.text = z80Data(code_.substr(0, length));
        return instruction;
    }

    std::string_view code_;
    std::uint16_t address_;
    std::size_t at_ = 0;
    const char* index_ = nullptr;  // "IX" or "IY" under a prefix
    bool indexUsed_ = false;
    bool pastEnd_ = false;
    bool doesNothing_ = false;
    bool exact_ = true;
    std::string text_;
};

}  // namespace

Z80Instruction decodeZ80(std::string_view code, std::uint16_t address)
{
    return Decoder(code, address).decode();
}

std::string z80Data(std::string_view bytes)
{
    std::string text = "DEFB ";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        text += i == 0 ? "$" : ",$";
        appendHex(text, static_cast<unsigned char>(bytes[i]), 2);
    }
    return text;
}

}  // namespace murax
