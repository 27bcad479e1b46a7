// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

namespace murax {

// The kinds of message box the program shows. The numbers are the ones the program has always
// given them; nothing decides by them.
enum class MessageKind : int {
    Inform = 1,
    Confirm = 2,
    AskOrCancel = 3,
    Ask = 4,
    AskDefaultNo = 5,
    ConfirmStop = 6,
};

enum class MessageIcon { Information, Question, Stop };

// What a box of one kind offers, written once for every face: each face only turns it into its
// toolkit's buttons and icon. Buttons are Desktop's button numbers (Ok, Cancel, Yes, No).
struct MessageKindDescription {
    MessageKind kind;
    const char* name;
    MessageIcon icon;
    std::vector<int> buttons;  // in the order they stand
    int defaultButton;         // what Enter answers
    // What Esc and the close box answer; 0 where neither does anything and the box offers no
    // close box: a held Esc (the key that closes the main window) must not answer "TAP has been
    // changed. Save it?" with No and drop the user's edits.
    int escapeAnswer;
};

// Every kind, in the order of MessageKind.
const std::vector<MessageKindDescription>& messageKinds();

const MessageKindDescription& describe(MessageKind kind);

}  // namespace murax
