// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/commands/tape_file_reading.h"

#include <new>
#include <utility>

#include "seam/app_context.h"
#include "seam/message_box.h"
#include "support/platform/file_io.h"
#include "tape/tzx/tzx_reader.h"

namespace murax {
namespace {

// The most blocks a notice names one by one; a tape of custom loaders can have hundreds.
constexpr std::size_t kNamedBlocks = 20;

std::string counted(std::size_t n, const char* one, const char* many)
{
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

std::string tzxNotice(const std::string& name, const tzx::Tape& tape, std::size_t entries)
{
    const std::size_t converted = tzx::countOf(tape, tzx::Fate::Entry);
    const std::size_t passed = tzx::countOf(tape, tzx::Fate::PassedOver);
    std::string text = "File;;" + name + ";;is a TZX tape: ";
    text += converted == 0 ? "none of its blocks became an entry"
                           : "its " + counted(converted, "data block", "data blocks") + " became " +
                                 counted(entries, "entry", "entries");
    if (passed > 0)
        text += ", and " + counted(passed, "block", "blocks") + " without data " +
                (passed == 1 ? "was" : "were") + " passed over";
    text += ".";
    if (tzx::countOf(tape, tzx::Fate::NotConverted) == 0)
        return text;

    text += ";;These blocks were left out, since no TAP block can hold them as they are:";
    std::size_t named = 0, more = 0;
    for (std::size_t i = 0; i < tape.blocks.size(); ++i) {
        const tzx::Block& block = tape.blocks[i];
        if (block.fate != tzx::Fate::NotConverted)
            continue;
        if (named == kNamedBlocks) {
            ++more;
            continue;
        }
        ++named;
        text += ";" + tzx::blockPlace(i + 1, block.id, block.offset) + ": " + block.reason;
    }
    if (more > 0)
        text += ";and " + std::to_string(more) + " more.";
    return text;
}

}  // namespace

bool takeTapeFile(AppContext& app, EntryIntake& intake, const std::string& name,
                  std::vector<std::string>* tzxNotices)
{
    std::string bytes;
    try {
        bytes = readFile(name);
    } catch (const std::bad_alloc&) {
        throw NotEnoughMemory{name, 0, 0};
    }
    if (!tzx::hasTzxSignature(bytes)) {
        intake.addBytes(std::move(bytes), name);
        return true;
    }
    if (!tzxNotices) {
        POPMSG(app,
               "File;;" + name +
                   ";;is a TZX tape, not a TAP file.;"
                   "Add... (or murax-list --to-tap) brings its blocks into a TAP file.",
               MessageKind::Inform);
        return false;
    }
    const tzx::Tape tape = tzx::readTzx(bytes);
    if (tape.malformed) {
        POPMSG(app,
               "File;;" + name + ";;is a TZX tape that cannot be read: " + tape.malformed->what +
                   ".;Nothing was taken from it.",
               MessageKind::Inform);
        return false;
    }
    const std::size_t before = intake.entryCount();
    intake.addBytes(tzx::tapBytes(tape), name);
    tzxNotices->push_back(tzxNotice(name, tape, intake.entryCount() - before));
    return true;
}

void showTzxNotices(AppContext& app, const std::vector<std::string>& notices)
{
    std::string text;
    for (const std::string& notice : notices)
        if (!notice.empty())
            text += (text.empty() ? "" : ";;") + notice;
    if (!text.empty())
        POPMSG(app, text, MessageKind::Inform);
}

}  // namespace murax
