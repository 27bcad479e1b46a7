// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace murax {

// The text as the box shows it: the accent fix-up (the code-page-850 bytes 0x85 0x8A 0x82 0x8D
// 0x95 0x97 that are not part of a valid UTF-8 sequence become the UTF-8 letters à è é ì ò ù),
// then every ";" becomes a line break ("\r\n").
std::string prepareMessageText(std::string_view text);

// The modal message box, titled "Attenzione" unless a title is given, with a beep first for
// kinds 2 to 6, and one pass over the pending events after it closes. Kind 1 informs (returns 0);
// 2 OK/Cancel and 6 OK/Cancel with a stop icon (1 on OK, else 0); 3 Yes/No/Cancel (6, 7 or 2);
// 4 Yes/No with Yes the default and 5 with No the default (1 on Yes, else 0). Any other kind shows
// nothing and returns 0.
int POPMSG(std::string_view text, int kind, std::string_view title = "Attenzione");

}  // namespace murax
