// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace murax {

class AppContext;

// The text as the box shows it: the accent fix-up (the code-page-850 bytes 0x85 0x8A 0x82 0x8D
// 0x95 0x97 that are not part of a valid UTF-8 sequence become the UTF-8 letters à è é ì ò ù),
// then every ";" becomes a line break ("\r\n").
std::string prepareMessageText(std::string_view text);

// The kinds of message box, by the numbers the program has always given them.
enum class MessageKind : int {
    Inform = 1,        // OK; returns 0
    Confirm = 2,       // OK/Cancel; 1 on OK, else 0
    AskOrCancel = 3,   // Yes/No/Cancel; the button (Desktop::Yes, No or Cancel)
    Ask = 4,           // Yes/No, Yes the default; 1 on Yes, else 0
    AskDefaultNo = 5,  // Yes/No, No the default; 1 on Yes, else 0
    ConfirmStop = 6,   // OK/Cancel with a stop icon; 1 on OK, else 0
};

// The modal message box on the context's desktop, titled "Attenzione" unless a title is given,
// with a beep first for every kind but Inform, and one pass over the pending events after it
// closes. Returns as the kind says.
int POPMSG(AppContext& app, std::string_view text, MessageKind kind,
           std::string_view title = "Attenzione");  // a message box of a kind

}  // namespace murax
