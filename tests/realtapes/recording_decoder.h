// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace murax::testing {

// The TAP bytes a sound recording (a WAV file) holds, read back by Murax's own decoder, as Add
// would take them in. Empty, with `problem` saying why, when the recording cannot be read.
std::string tapeOfRecording(const std::string& wavPath, std::string& problem);

}  // namespace murax::testing
