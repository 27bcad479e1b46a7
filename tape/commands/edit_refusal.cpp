// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/commands/edit_refusal.h"

#include <new>

#include "seam/app_context.h"
#include "seam/message_box.h"

namespace murax {
namespace {

std::string cutShortText(const EntryCutShort& refusal, const EntryIntake* intake)
{
    const std::string number = std::to_string(refusal.index + 1);
    std::string entry;
    switch (refusal.of) {
    case EntryCutShort::Of::List:
        entry = "Block " + number;
        break;
    case EntryCutShort::Of::Replacement:
        entry = "Block " + number + " as edited";
        break;
    case EntryCutShort::Of::Run:
        entry = intake ? intake->nameOf(refusal.index) : "block " + number;
        entry[0] = 'B';
        break;
    }
    return entry +
           " is cut short: it ends before its length says.;"
           "Only the last block of a tape can be cut short. Anywhere else it would "
           "swallow the blocks after it.";
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
    } catch (const EntryCutShort& refusal) {
        why = cutShortText(refusal, intake);
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
