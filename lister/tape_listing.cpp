// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lister/tape_listing.h"

#include <string>

#include "tape/block_list.h"
#include "tape/display_charset.h"
#include "tape/tap_decoding.h"

namespace murax::lister {

void writeListing(std::string_view tapeBytes, std::FILE* out)
{
    BlockList list;
    splitIntoEntries(tapeBytes, list);
    std::string text;
    for (const DisplayLine& line : list.lines()) {
        text = bytesToDisplayUtf8(line.view());
        text += '\n';
        std::fwrite(text.data(), 1, text.size(), out);
    }
}

}  // namespace murax::lister
