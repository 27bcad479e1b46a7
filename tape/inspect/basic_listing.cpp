// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/inspect/basic_listing.h"

#include <cmath>
#include <cstdio>

#include "tape/format/entry_bytes.h"
#include "tape/inspect/basic_keywords.h"

namespace murax {
namespace {

using basic::kEndOfLine;
using basic::kFirstToken;
using basic::kNumberMark;
constexpr std::size_t kNumberBytes = 5;

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

void appendKeyword(std::string& text, unsigned token, std::optional<unsigned> next)
{
    const std::string_view word = basic::keywordText(token);
    // As the Spectrum spaces them: the functions (RND to BIN) and the signs (<=, >=, <>) get no
    // space before, the others one unless a space is there already; a space after unless the
    // keyword ends in a sign ("OPEN #"), and none after RND, INKEY$ and PI. A keyword of letters
    // also stands apart from a letter beside it, so that the tokeniser reads it back as a keyword
    // and not as part of a name.
    const bool startsWithLetter = isLetter(word.front());
    if (startsWithLetter && !text.empty() && text.back() != ' ' &&
        (!basic::isFunctionToken(token) || isLetter(text.back())))
        text += ' ';
    text += word;
    const char last = word.back();
    const bool endsInWord = isLetter(last) || last == '$';
    const bool nextIsLetter = next && isLetter(static_cast<char>(*next));
    if ((endsInWord && !(token >= 0xA5 && token <= 0xA7)) || (startsWithLetter && nextIsLetter))
        text += ' ';
}

// A byte as zmakebas's escapes and the Spectrum's own signs write it: the tokeniser reads each of
// these back as that byte, wherever it stands.
void appendCharacter(std::string& text, unsigned c)
{
    if (c < 0x20 || (c >= kFirstToken && c <= 0xFF && c > 0xA4)) {
        text += "\\{" + std::to_string(c) + "}";
    } else if (c == '\\') {
        text += "\\\\";
    } else if (c == 0x5E) {
        text += "↑";
    } else if (c == 0x60) {
        text += "£";
    } else if (c == 0x7F) {
        text += "©";
    } else if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < basic::kFirstUserGraphic) {
        // A block graphic drawn in two characters, one for each half: bits 1 and 3 the left
        // half's top and bottom, bits 0 and 2 the right half's.
        static constexpr char kHalves[] = " '.:";
        const unsigned left = ((c >> 1) & 1) | ((c >> 2) & 2), right = (c & 1) | ((c >> 1) & 2);
        text += '\\';
        text += kHalves[left];
        text += kHalves[right];
    } else {
        text += '\\';
        text += static_cast<char>('A' + (c - basic::kFirstUserGraphic));
    }
}

// The line's text from its bytes (without the final end-of-line byte). Outside strings and REM
// the tokens are keywords and each number's hidden form is left out; inside them every byte is
// a character.
std::string lineText(std::string_view bytes)
{
    std::string text;
    bool inString = false, inRem = false;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const unsigned c = byteAt(bytes, i++);
        const bool literal = inString || inRem;
        if (c >= basic::kFirstControlWithOperands && c <= basic::kLastControlWithOperands) {
            // The operands are bytes of any value: escaped, so that none reads as a number.
            const std::size_t operands = c >= basic::kFirstControlWithTwoOperands ? 2 : 1;
            appendCharacter(text, c);
            for (std::size_t k = 0; k < operands && i < bytes.size(); ++k)
                text += "\\{" + std::to_string(byteAt(bytes, i++)) + "}";
        } else if (c == kNumberMark && !literal) {
            i += kNumberBytes;
        } else if (c >= kFirstToken && !literal) {
            appendKeyword(
                text, c,
                i < bytes.size() ? std::optional<unsigned>(byteAt(bytes, i)) : std::nullopt);
            inRem = c == basic::kRem;
        } else {
            if (c == '"' && !inRem)
                inString = !inString;
            appendCharacter(text, c);
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
    std::string text = "\"";
    for (std::size_t i = 0; i < bytes.size(); ++i)
        appendCharacter(text, byteAt(bytes, i));
    return text + "\"";
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
        text.push_back("# Autostart: none");
    else
        text.push_back("# Autostart: line " + std::to_string(*listing.autostart) +
                       (listing.autostartFound ? "" : " (the program has no such line)"));
    char number[16];
    for (const BasicLine& line : listing.lines) {
        std::snprintf(number, sizeof number, "%5u ", line.number);
        text.push_back(number + line.text);
    }
    if (listing.cutShort)
        text.push_back("# (the program ends inside a line)");
    if (listing.variablesLength > 0) {
        text.push_back("# Variables area: " + std::to_string(listing.variablesLength) + " bytes");
        for (const std::string& variable : listing.variables)
            text.push_back("#   " + variable);
    }
    return text;
}

}  // namespace murax
