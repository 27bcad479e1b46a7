// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "seam/message_kind.h"

namespace murax {

class AppContext;

// The text as the box shows it: the accent fix-up (the code-page-850 bytes 0x85 0x8A 0x82 0x8D
// 0x95 0x97 that are not part of a valid UTF-8 sequence become the UTF-8 letters à è é ì ò ù),
// then every ";" becomes a line break ("\r\n").
std::string prepareMessageText(std::string_view text);

// The modal message box on the context's desktop, titled "Attenzione" unless a title is given,
// with a beep first for every kind but Inform, and one pass over the pending events after it
// closes. Returns 0 for Inform; 1 for OK (Confirm, ConfirmStop) or Yes (Ask, AskDefaultNo),
// else 0; the button for AskOrCancel (Desktop::Yes, No or Cancel).
int POPMSG(AppContext& app, std::string_view text, MessageKind kind,
           std::string_view title = "Attenzione");  // a message box of a kind

}  // namespace murax
