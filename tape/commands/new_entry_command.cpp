// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/commands/new_entry_command.h"

#include <optional>

#include "seam/desktop_services.h"
#include "seam/message_box.h"
#include "tape/commands/add_command.h"
#include "tape/commands/new_entry_form.h"
#include "tape/make/entry_from_file.h"

namespace murax {
namespace {

void refuse(AppContext& app, const std::string& refusal)
{
    POPMSG(app, "No entry was made of the file;;" + refusal + ".", MessageKind::Inform);
}

}  // namespace

void newEntryFromFile(Window& window, BlockList& list)
{
    AppContext& app = window.app();
    const std::string path =
        app.desktop().openFileDialog("Select a file to make an entry of", kNewEntryFileFilters);
    if (path.empty())
        return;
    // What no answer could mend is told before the dialog asks for anything.
    const FileContents file = readFileForEntry(path);
    const std::string refusal =
        file.refusal.empty() ? refusalWhateverChosen(path, file.bytes) : file.refusal;
    if (!refusal.empty()) {
        refuse(app, refusal);
        return;
    }

    NewEntryForm form = newEntryFormFor(path);
    std::optional<FileEntryChoices> choices;
    while (!choices) {
        const auto answer = window.askNewEntry(form);
        if (!answer)
            return;
        form = *answer;
        const NewEntryChoices chosen = choicesOf(form);
        if (!chosen.choices)
            POPMSG(app, chosen.problem, MessageKind::Inform);
        choices = chosen.choices;
    }
    const FileEntry made = entryFromFile(path, file.bytes, *choices);
    if (!made.refusal.empty()) {
        refuse(app, made.refusal);
        return;
    }
    EntryIntake intake;
    intake.addBytes(made.bytes, path);
    addOrInsertEntries(window, list, intake, form.insert);
}

}  // namespace murax
