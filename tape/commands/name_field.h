// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace murax {

class Desktop;

// The name field of the "Edit properties" dialog, whatever draws it. It shows a header's name one
// character per byte, in the mapping the block list uses, so that any byte can be shown and taken
// back unchanged; for the same reason it takes only characters that stand for a byte.

// The text the field opens with: the name up to its first 0x00 byte, trailing spaces removed.
std::string nameFieldText(std::string_view name);

// The field's characters for `bytes`, one each.
std::u32string nameFieldCharacters(std::string_view bytes);

// Whether the field may hold `text`, as it would after a key or a paste: only when every
// character of it stands for a byte, so that text pasted whole is refused whole. A refusal beeps
// on `desktop`, as the program does wherever it refuses what the user asked for.
bool nameFieldTakes(std::u32string_view text, Desktop& desktop);

// The field's characters taken back as bytes, unpadded; a character that stands for no byte (the
// field never holds one) is passed over.
std::string nameFieldBytes(std::u32string_view text);

}  // namespace murax
