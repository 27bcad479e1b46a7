// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/commands/edit_refusal.h"

#include <new>

#include "seam/app_context.h"
#include "seam/message_box.h"

namespace murax {
namespace {

// Why the entry cannot stand where the edit would put it, and where it can.
std::string whyItRegroups(ReadBack why)
{
    switch (why) {
    case ReadBack::CutShort:
        return " is cut short: it ends before its length says.;"
               "Only the last block of a tape can be cut short. Anywhere else it would "
               "swallow the blocks after it.";
    case ReadBack::LoneHeader:
        return " is a header without its data block.;"
               "It can stand only last, or directly before a data block, which then loads as "
               "its data. Before another header it would take that header as its data.";
    case ReadBack::EmptyBlock:
        return " is an empty block: it has no flag byte.;"
               "Before a block whose length is a multiple of 256 the first byte of that length "
               "would be read as its flag, and the two would load as one header entry.";
    case ReadBack::SeveralEntries:
        return " holds the blocks of more than one entry.;"
               "An entry is one block, or a header and the block after it; the blocks after "
               "those would load as entries of their own.";
    case ReadBack::Same:
    case ReadBack::TakesNext:
        break;
    }
    return " would not load as it is.";
}

std::string regroupText(const EntryRegroups& refusal, const EntryIntake* intake)
{
    const std::string number = std::to_string(refusal.index + 1);
    std::string entry;
    switch (refusal.of) {
    case EntryRegroups::Of::List:
        entry = "Block " + number;
        break;
    case EntryRegroups::Of::Replacement:
        entry = "Block " + number + " as edited";
        break;
    case EntryRegroups::Of::Run:
        entry = intake ? intake->nameOf(refusal.index) : "block " + number;
        entry[0] = 'B';
        break;
    }
    return entry + whyItRegroups(refusal.why);
}

std::string memoryText(const NotEnoughMemory& refusal)
{
    if (refusal.sources.empty())
        return "There is not enough memory for this change.";
    std::string text = "Not enough memory for the ";
    if (refusal.entries > 0)
        text += std::to_string(refusal.entries) + " ";
    text += "blocks of " + refusal.sources + ".";
    if (refusal.bytes > 0)
        text +=
            ";They need about " + std::to_string((refusal.bytes + (1u << 20) - 1) >> 20) + " MB.";
    return text;
}

}  // namespace

bool changeUnlessRefused(AppContext& app, const std::function<void()>& change,
                         const EntryIntake* intake)
{
    std::string why;
    try {
        change();
        return true;
    } catch (const EntryRegroups& refusal) {
        why = regroupText(refusal, intake);
    } catch (const NotEnoughMemory& refusal) {
        why = memoryText(refusal);
    } catch (const std::bad_alloc&) {
        why = intake ? memoryText({intake->sources(), intake->entryCount(), 0}) : memoryText({});
    }
    // Told once the failed change has unwound and given back what it had taken.
    POPMSG(app, why, MessageKind::Inform);
    return false;
}

}  // namespace murax
