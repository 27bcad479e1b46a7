// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/inspect/basic_listing.h"

#include <cmath>
#include <cstdio>

#include "tape/format/entry_bytes.h"

namespace murax {
namespace {

constexpr unsigned char kNumberMark = 0x0E;
constexpr unsigned char kEndOfLine = 0x0D;
constexpr std::size_t kNumberBytes = 5;
constexpr unsigned kFirstToken = 0xA3;  // SPECTRUM, on the 128K; PLAY follows

// The keywords from 0xA3 on, as the 128K lists them (0xA3 and 0xA4 are graphics A-U's last two on
// the 48K).
constexpr const char* kKeywords[] = {
    "SPECTRUM", "PLAY",    "RND",     "INKEY$", "PI",     "FN",       "POINT",     "SCREEN$",
    "ATTR",     "AT",      "TAB",     "VAL$",   "CODE",   "VAL",      "LEN",       "SIN",
    "COS",      "TAN",     "ASN",     "ACS",    "ATN",    "LN",       "EXP",       "INT",
    "SQR",      "SGN",     "ABS",     "PEEK",   "IN",     "USR",      "STR$",      "CHR$",
    "NOT",      "BIN",     "OR",      "AND",    "<=",     ">=",       "<>",        "LINE",
    "THEN",     "TO",      "STEP",    "DEF FN", "CAT",    "FORMAT",   "MOVE",      "ERASE",
    "OPEN #",   "CLOSE #", "MERGE",   "VERIFY", "BEEP",   "CIRCLE",   "INK",       "PAPER",
    "FLASH",    "BRIGHT",  "INVERSE", "OVER",   "OUT",    "LPRINT",   "LLIST",     "STOP",
    "READ",     "DATA",    "RESTORE", "NEW",    "BORDER", "CONTINUE", "DIM",       "REM",
    "FOR",      "GO TO",   "GO SUB",  "INPUT",  "LOAD",   "LIST",     "LET",       "PAUSE",
    "NEXT",     "POKE",    "PRINT",   "PLOT",   "RUN",    "SAVE",     "RANDOMIZE", "IF",
    "CLS",      "DRAW",    "CLEAR",   "RETURN", "COPY"};
static_assert(std::size(kKeywords) == 256 - kFirstToken);

// The block graphics 0x80-0x8F: bit 0 the top right quarter, 1 top left, 2 bottom right,
// 3 bottom left.
constexpr const char* kBlockGraphics[] = {" ", "▝", "▘", "▀", "▗", "▐", "▚", "▜",
                                          "▖", "▞", "▌", "▛", "▄", "▟", "▙", "█"};

// The colour and position codes that take operands, from 0x10: INK to OVER one, AT and TAB two.
constexpr const char* kControlNames[] = {"INK",     "PAPER", "FLASH", "BRIGHT",
                                         "INVERSE", "OVER",  "AT",    "TAB"};

void appendKeyword(std::string& text, unsigned token)
{
    const std::string_view word = kKeywords[token - kFirstToken];
    // As the Spectrum spaces them: the functions (RND to BIN) and the signs (<=, >=, <>) get no
    // space before, the others one unless a space is there already; a space after unless the
    // keyword ends in a sign ("OPEN #"), and none after RND, INKEY$ and PI.
    const bool function = token >= 0xA5 && token <= 0xC4;
    const bool startsWithLetter = word.front() >= 'A' && word.front() <= 'Z';
    if (!function && startsWithLetter && !text.empty() && text.back() != ' ')
        text += ' ';
    text += word;
    const char last = word.back();
    const bool endsInWord = (last >= 'A' && last <= 'Z') || last == '$';
    if (endsInWord && !(token >= 0xA5 && token <= 0xA7))
        text += ' ';
}

// The line's text from its bytes (without the final end-of-line byte).
std::string lineText(std::string_view bytes)
{
    std::string text;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const unsigned c = byteAt(bytes, i++);
        if (c == kNumberMark) {
            i += kNumberBytes;
        } else if (c >= 0x10 && c <= 0x17) {
            const std::size_t operands = c >= 0x16 ? 2 : 1;
            if (i + operands > bytes.size()) {
                text += "{" + std::string(kControlNames[c - 0x10]) + "}";
                break;
            }
            const unsigned a = byteAt(bytes, i), b = operands == 2 ? byteAt(bytes, i + 1) : 0;
            i += operands;
            std::string code = std::string("{") + kControlNames[c - 0x10] + " ";
            if (c == 0x16)
                code += std::to_string(a) + "," + std::to_string(b);
            else
                code += std::to_string(a + 256 * b);
            text += code + "}";
        } else if (c < 0x20) {
            text += "{" + std::to_string(c) + "}";
        } else if (c == 0x5E) {
            text += "↑";
        } else if (c == 0x60) {
            text += "£";
        } else if (c == 0x7F) {
            text += "©";
        } else if (c < 0x80) {
            text += static_cast<char>(c);
        } else if (c < 0x90) {
            text += kBlockGraphics[c - 0x80];
        } else if (c < kFirstToken) {
            text += "{UDG ";
            text += static_cast<char>('A' + (c - 0x90));
            text += "}";
        } else {
            appendKeyword(text, c);
        }
    }
    return text;
}

std::string numberText(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", value);
    return text;
}

std::string stringText(std::string_view bytes)
{
    return "\"" + lineText(bytes) + "\"";
}

// Decodes the variables area; stops at its end marker (0x80) or where the bytes run out.
void listVariables(std::string_view area, std::vector<std::string>& out)
{
    std::size_t i = 0;
    auto has = [&](std::size_t n) { return i + n <= area.size(); };
    while (i < area.size()) {
        const unsigned first = byteAt(area, i);
        if (first == 0x80)
            return;
        const char letter = static_cast<char>('a' + ((first & 0x1F) - 1));
        const unsigned kind = first >> 5;
        ++i;
        if (kind == 3 && has(kNumberBytes)) {  // a number named by one letter
            out.push_back(std::string(1, letter) + " = " +
                          numberText(spectrumNumber(area.substr(i, 5))));
            i += kNumberBytes;
        } else if (kind == 5) {  // a number with a longer name: the last letter has bit 7 set
            std::string name(1, letter);
            while (i < area.size() && !(byteAt(area, i) & 0x80))
                name += static_cast<char>(byteAt(area, i++));
            if (i >= area.size())
                break;
            name += static_cast<char>(byteAt(area, i++) & 0x7F);
            if (!has(kNumberBytes))
                break;
            out.push_back(name + " = " + numberText(spectrumNumber(area.substr(i, 5))));
            i += kNumberBytes;
        } else if (kind == 2 && has(2)) {  // a string
            const std::size_t length = wordAt(area, i);
            i += 2;
            out.push_back(std::string(1, letter) + "$ = " + stringText(area.substr(i, length)));
            i += length;
        } else if ((kind == 4 || kind == 6) && has(3)) {  // an array of numbers or characters
            const std::size_t length = wordAt(area, i);
            const unsigned dimensions = byteAt(area, i + 2);
            std::string shape;
            for (unsigned d = 0; d < dimensions && i + 4 + 2 * d < area.size(); ++d)
                shape += (d ? "," : "") + std::to_string(wordAt(area, i + 3 + 2 * d));
            out.push_back(std::string(1, letter) + (kind == 6 ? "$(" : "(") + shape + ")" +
                          (kind == 6 ? " (character array)" : " (number array)"));
            i += 2 + length;
        } else if (kind == 7 && has(18)) {  // a FOR loop's control variable
            out.push_back("FOR " + std::string(1, letter) + " = " +
                          numberText(spectrumNumber(area.substr(i, 5))) + " TO " +
                          numberText(spectrumNumber(area.substr(i + 5, 5))) + " STEP " +
                          numberText(spectrumNumber(area.substr(i + 10, 5))) + ", loops to line " +
                          std::to_string(wordAt(area, i + 15)) + " statement " +
                          std::to_string(byteAt(area, i + 17)));
            i += 18;
        } else {
            out.push_back("(unreadable bytes from offset " + std::to_string(i - 1) + ")");
            return;
        }
    }
}

}  // namespace

double spectrumNumber(std::string_view b)
{
    if (b.size() < kNumberBytes)
        return 0;
    const unsigned exponent = byteAt(b, 0);
    if (exponent == 0) {  // a small integer: sign byte, then the value as a word
        const int value = static_cast<int>(byteAt(b, 2) + 256u * byteAt(b, 3));
        return byteAt(b, 1) == 0xFF ? value - 65536 : value;
    }
    const std::uint32_t mantissa =
        ((byteAt(b, 1) | 0x80u) << 24) | (byteAt(b, 2) << 16) | (byteAt(b, 3) << 8) | byteAt(b, 4);
    const double magnitude =
        std::ldexp(static_cast<double>(mantissa), static_cast<int>(exponent) - 128 - 32);
    return byteAt(b, 1) & 0x80 ? -magnitude : magnitude;
}

BasicListing listBasic(std::string_view data, std::size_t programLength,
                       std::optional<unsigned> autostart)
{
    BasicListing listing;
    listing.autostart = autostart;
    const std::string_view program = data.substr(0, programLength);
    std::size_t i = 0;
    while (i < program.size()) {
        if (i + 4 > program.size()) {
            listing.cutShort = true;
            break;
        }
        BasicLine line;
        line.number = byteAt(program, i) * 256u + byteAt(program, i + 1);
        const std::size_t length = byteAt(program, i + 2) + 256u * byteAt(program, i + 3);
        i += 4;
        std::string_view text = program.substr(i, length);
        if (text.size() < length)
            listing.cutShort = true;
        if (!text.empty() && static_cast<unsigned char>(text.back()) == kEndOfLine)
            text.remove_suffix(1);
        line.text = lineText(text);
        if (autostart && line.number == *autostart)
            listing.autostartFound = true;
        listing.lines.push_back(std::move(line));
        i += length;
    }
    if (programLength < data.size()) {
        const std::string_view area = data.substr(programLength);
        listing.variablesLength = area.size();
        listVariables(area, listing.variables);
    }
    return listing;
}

std::vector<std::string> basicListingText(const BasicListing& listing)
{
    std::vector<std::string> text;
    if (!listing.autostart)
        text.push_back("Autostart: none");
    else
        text.push_back("Autostart: line " + std::to_string(*listing.autostart) +
                       (listing.autostartFound ? "" : " (the program has no such line)"));
    char number[16];
    for (const BasicLine& line : listing.lines) {
        std::snprintf(number, sizeof number, "%5u ", line.number);
        text.push_back(number + line.text);
    }
    if (listing.cutShort)
        text.push_back("(the program ends inside a line)");
    if (listing.variablesLength > 0) {
        text.push_back("Variables area: " + std::to_string(listing.variablesLength) + " bytes");
        for (const std::string& variable : listing.variables)
            text.push_back("  " + variable);
    }
    return text;
}

}  // namespace murax
