// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "seam/message_box.h"

#include "seam/app_context.h"
#include "seam/desktop_services.h"
#include "seam/pending_events.h"
#include "support/utf8_text.h"

namespace murax {
namespace {

// The code-page-850 accented letters that old message texts carry, as UTF-8; nullptr for any
// other byte.
const char* accentedLetter(unsigned char byte)
{
    switch (byte) {
    case 0x85:
        return "\xC3\xA0";  // à
    case 0x8A:
        return "\xC3\xA8";  // è
    case 0x82:
        return "\xC3\xA9";  // é
    case 0x8D:
        return "\xC3\xAC";  // ì
    case 0x95:
        return "\xC3\xB2";  // ò
    case 0x97:
        return "\xC3\xB9";  // ù
    default:
        return nullptr;
    }
}

}  // namespace

std::string prepareMessageText(std::string_view text)
{
    std::string prepared;
    prepared.reserve(text.size() + 16);
    for (std::size_t pos = 0; pos < text.size();) {
        // A byte inside a real UTF-8 character (Å is C3 85) must stay as it is; only a byte that
        // stands alone can be an old code-page letter.
        if (const std::size_t length = utf8SequenceLength(text, pos); length > 0) {
            if (text[pos] == ';')
                prepared += "\r\n";
            else
                prepared.append(text, pos, length);
            pos += length;
            continue;
        }
        const unsigned char byte = static_cast<unsigned char>(text[pos]);
        if (const char* letter = accentedLetter(byte))
            prepared += letter;
        else
            prepared += static_cast<char>(byte);
        ++pos;
    }
    return prepared;
}

int POPMSG(AppContext& app, std::string_view text, MessageKind kind, std::string_view title)
{
    const std::string prepared = prepareMessageText(text);
    Desktop& screen = app.desktop();
    if (kind != MessageKind::Inform)
        screen.beep();
    const int button = screen.messageBox(prepared, std::string(title), static_cast<int>(kind));
    // What queued up while the box was open (the repaint of the windows it covered) is handled
    // before the caller goes on.
    SYSREFRESH(app);
    switch (kind) {
    case MessageKind::Confirm:
    case MessageKind::ConfirmStop:
        return button == Desktop::Ok ? 1 : 0;
    case MessageKind::AskOrCancel:  // a box closed any other way counts as Cancel
        return (button == Desktop::Yes || button == Desktop::No) ? button : Desktop::Cancel;
    case MessageKind::Ask:
    case MessageKind::AskDefaultNo:
        return button == Desktop::Yes ? 1 : 0;
    case MessageKind::Inform:
        return 0;
    }
    return 0;
}

}  // namespace murax
