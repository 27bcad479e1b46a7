// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace murax {

// Texts the program shows are UTF-8, but they may carry stray bytes (a file name in another
// encoding, an old message with code-page letters). These helpers treat every well-formed UTF-8
// sequence as one character and every other byte as a character of its own, so nothing that is
// cut or counted ever splits a real character.

// The length (2 to 4, or 1 for ASCII) of the well-formed sequence that starts at `pos`; 0 when the
// byte there starts none (a stray continuation byte, a bad lead byte, a cut or overlong form).
std::size_t utf8SequenceLength(std::string_view text, std::size_t pos);

// The byte offset at which each character begins, in order.
std::vector<std::size_t> utf8CharacterStarts(std::string_view text);

}  // namespace murax
