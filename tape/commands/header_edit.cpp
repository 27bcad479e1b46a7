// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/commands/header_edit.h"

#include <algorithm>
#include <optional>

#include "seam/desktop_services.h"
#include "tape/commands/name_field.h"
#include "tape/format/entry_bytes.h"
#include "tape/format/tap_decoding.h"
#include "tape/format/tap_layout.h"

namespace murax {
namespace {

constexpr int kProgram = 0, kNumberArray = 1, kCharacterArray = 2, kBytes = 3;
// A program's parameter 1 from this on means "no autostart"; the ROM's own SAVE writes it.
constexpr unsigned kNoAutostart = 0x8000;
constexpr unsigned kHighestLine = 9999;
constexpr unsigned kHighestWord = 0xFFFF;
// An array's variable byte: the letter's five low bits under the array kind's top bits.
constexpr unsigned kLetterBits = 0x1F;
constexpr unsigned kNumberArrayBits = 0x80, kCharacterArrayBits = 0xC0;

constexpr std::size_t offsetOf(std::size_t blockOffset)
{
    return tap::inEntry(blockOffset);
}

unsigned highestValue(HeaderField field)
{
    return field == HeaderField::Autostart ? kHighestLine : kHighestWord;
}

std::optional<unsigned> numberIn(std::u32string_view text, unsigned highest)
{
    if (text.empty() || text.size() > std::to_string(highest).size())
        return std::nullopt;
    unsigned value = 0;
    for (const char32_t c : text) {
        if (c < U'0' || c > U'9')
            return std::nullopt;
        value = value * 10 + static_cast<unsigned>(c - U'0');
    }
    return value <= highest ? std::optional<unsigned>(value) : std::nullopt;
}

std::optional<unsigned> letterIn(std::u32string_view text)
{
    if (text.size() != 1)
        return std::nullopt;
    const char32_t c = text[0];
    if (c >= U'a' && c <= U'z')
        return static_cast<unsigned>(c - U'a' + 1);
    if (c >= U'A' && c <= U'Z')
        return static_cast<unsigned>(c - U'A' + 1);
    return std::nullopt;
}

std::u32string asText(std::string_view ascii)
{
    return {ascii.begin(), ascii.end()};
}

void putWord(std::string& entry, std::size_t offset, unsigned word)
{
    entry[offset] = static_cast<char>(word & 0xFF);
    entry[offset + 1] = static_cast<char>((word >> 8) & 0xFF);
}

}  // namespace

std::optional<unsigned> headerFieldValue(HeaderField field, std::string_view text)
{
    const std::u32string typed = asText(text);
    return field == HeaderField::Variable ? letterIn(typed) : numberIn(typed, highestValue(field));
}

std::string headerTypeName(int type)
{
    return TIPO(std::string(1, static_cast<char>(type)));
}

std::string headerFieldLabel(HeaderField field)
{
    switch (field) {
    case HeaderField::StartAddress:
        return "Start:";
    case HeaderField::Autostart:
        return "Autostart:";
    case HeaderField::ProgramLength:
        return "Program:";
    case HeaderField::Variable:
        return "Variable:";
    }
    return {};
}

std::size_t headerFieldMaxLength(HeaderField field)
{
    return field == HeaderField::Variable ? 1 : std::to_string(highestValue(field)).size();
}

bool typeHasField(int type, HeaderField field)
{
    switch (field) {
    case HeaderField::StartAddress:
        return type == kBytes;
    case HeaderField::Autostart:
    case HeaderField::ProgramLength:
        return type == kProgram;
    case HeaderField::Variable:
        return type == kNumberArray || type == kCharacterArray;
    }
    return false;
}

bool headerFieldTakes(HeaderField field, std::u32string_view text, Desktop& desktop)
{
    const bool takes = text.empty() || (field == HeaderField::Variable
                                            ? letterIn(text).has_value()
                                            : numberIn(text, highestValue(field)).has_value());
    if (!takes)
        desktop.beep();
    return takes;
}

PropertiesForm propertiesFormOf(std::string_view entry)
{
    const std::string_view name = entry.substr(offsetOf(tap::header::kName), tap::kNameLength);
    const auto type = static_cast<unsigned char>(entry[offsetOf(tap::header::kType)]);
    const unsigned parameter1 = wordAt(entry, offsetOf(tap::header::kParameter1));
    const unsigned parameter2 = wordAt(entry, offsetOf(tap::header::kParameter2));

    PropertiesForm form;
    form.name = nameFieldText(name);
    form.nameLength = name.size();
    form.type = type < kHeaderTypeCount ? type : -1;
    const unsigned letter = (parameter1 >> 8) & kLetterBits;
    for (const HeaderField field : kHeaderFields) {
        switch (field) {
        case HeaderField::StartAddress:
            form.fields.push_back(std::to_string(parameter1));
            break;
        case HeaderField::Autostart:
            form.fields.push_back(parameter1 < kNoAutostart ? std::to_string(parameter1) : "");
            break;
        case HeaderField::ProgramLength:
            form.fields.push_back(std::to_string(parameter2));
            break;
        case HeaderField::Variable:
            form.fields.push_back(letter >= 1 && letter <= 26
                                      ? std::string(1, static_cast<char>('a' + letter - 1))
                                      : "");
            break;
        }
    }
    form.dataLength = std::to_string(wordAt(entry, offsetOf(tap::header::kDataLength)));
    return form;
}

std::string withPropertiesWritten(std::string entry, const PropertiesForm& form)
{
    // A field the user left as it opened keeps its bytes, even where the field shows them in a
    // normal form (a letter with other kind bits, say): a rename must change only the name.
    const PropertiesForm opened = propertiesFormOf(entry);
    const bool typeChanged = form.type != opened.type;
    std::string name = form.name.substr(0, tap::kNameLength);
    name.resize(tap::kNameLength, ' ');
    entry.replace(offsetOf(tap::header::kName), tap::kNameLength, name);

    const std::size_t parameter1At = offsetOf(tap::header::kParameter1);
    const std::size_t parameter2At = offsetOf(tap::header::kParameter2);
    unsigned parameter1 = wordAt(entry, parameter1At);
    unsigned parameter2 = wordAt(entry, parameter2At);
    const auto changed = [&](HeaderField wanted) {
        const auto at = static_cast<std::size_t>(
            std::find(kHeaderFields.begin(), kHeaderFields.end(), wanted) - kHeaderFields.begin());
        return typeChanged || at >= form.fields.size() || at >= opened.fields.size() ||
               form.fields[at] != opened.fields[at];
    };
    const auto field = [&form, &changed](HeaderField wanted) -> std::optional<unsigned> {
        const auto at = static_cast<std::size_t>(
            std::find(kHeaderFields.begin(), kHeaderFields.end(), wanted) - kHeaderFields.begin());
        if (!changed(wanted))
            return std::nullopt;
        return at < form.fields.size() ? headerFieldValue(wanted, form.fields[at]) : std::nullopt;
    };
    const auto fieldText = [&form](HeaderField wanted) {
        const auto at = static_cast<std::size_t>(
            std::find(kHeaderFields.begin(), kHeaderFields.end(), wanted) - kHeaderFields.begin());
        return at < form.fields.size() ? form.fields[at] : std::string();
    };

    if (form.type >= 0 && form.type < kHeaderTypeCount) {
        entry[offsetOf(tap::header::kType)] = static_cast<char>(form.type);
        switch (form.type) {
        case kBytes:
            parameter1 = field(HeaderField::StartAddress).value_or(parameter1);
            break;
        case kProgram:
            if (const auto line = field(HeaderField::Autostart))
                parameter1 = *line;
            else if (changed(HeaderField::Autostart) && fieldText(HeaderField::Autostart).empty() &&
                     parameter1 < kNoAutostart)
                parameter1 = kNoAutostart;
            parameter2 = field(HeaderField::ProgramLength).value_or(parameter2);
            break;
        default:
            if (const auto letter = field(HeaderField::Variable)) {
                const unsigned kind =
                    form.type == kNumberArray ? kNumberArrayBits : kCharacterArrayBits;
                parameter1 = (parameter1 & 0xFF) | ((kind | *letter) << 8);
            }
            break;
        }
    }
    putWord(entry, parameter1At, parameter1);
    putWord(entry, parameter2At, parameter2);

    unsigned char checksum = 0;
    const std::size_t checksumAt = offsetOf(tap::header::kChecksum);
    for (std::size_t i = offsetOf(tap::header::kFlag); i < checksumAt; ++i)
        checksum ^= static_cast<unsigned char>(entry[i]);
    entry[checksumAt] = static_cast<char>(checksum);
    return entry;
}

}  // namespace murax
