// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/commands/new_entry_form.h"

#include <algorithm>

#include "tape/commands/header_edit.h"
#include "tape/format/tap_layout.h"
#include "tape/make/tape_name.h"

namespace murax {
namespace {

int placeOf(HeaderField field)
{
    return static_cast<int>(std::find(kHeaderFields.begin(), kHeaderFields.end(), field) -
                            kHeaderFields.begin());
}

std::string fileNameOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

NewEntryForm newEntryFormFor(const std::string& path)
{
    NewEntryForm form;
    form.name = tapeNameForFile(path);
    form.nameLength = tap::kNameLength;
    const std::string file = fileNameOf(path);
    switch (entryKindForFile(path)) {
    case FileEntryKind::Program:
        form.about = "A program from the BASIC listing " + file;
        form.field = placeOf(HeaderField::Autostart);
        break;
    case FileEntryKind::Screen:
        form.about = "A screen at " + std::to_string(kScreenStart) + " from " + file;
        break;
    case FileEntryKind::Code:
        form.about = "Bytes (CODE) from " + file;
        form.field = placeOf(HeaderField::StartAddress);
        form.fieldText = std::to_string(kDefaultCodeStart);
        break;
    }
    return form;
}

NewEntryChoices choicesOf(const NewEntryForm& answer)
{
    if (answer.name.size() > tap::kNameLength)
        return {std::nullopt, "A tape name holds at most 10 characters."};
    FileEntryChoices choices;
    choices.name = answer.name;
    if (answer.field == placeOf(HeaderField::Autostart) && !answer.fieldText.empty()) {
        choices.autostart = headerFieldValue(HeaderField::Autostart, answer.fieldText);
        if (!choices.autostart)
            return {std::nullopt,
                    "The autostart line is a number from 0 to 9999, or nothing "
                    "for none."};
    }
    if (answer.field == placeOf(HeaderField::StartAddress)) {
        const auto start = headerFieldValue(HeaderField::StartAddress, answer.fieldText);
        if (!start)
            return {std::nullopt, "The start address is a number from 0 to 65535."};
        choices.start = *start;
    }
    return {choices, {}};
}

}  // namespace murax
