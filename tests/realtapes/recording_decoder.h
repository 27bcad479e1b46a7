// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <string>

namespace murax::testing {

// The tools the decoder below runs.
inline constexpr std::initializer_list<const char*> kRecordingDecoderTools = {"audio2tape",
                                                                              "tapeconv"};

// The TAP bytes a sound recording (a WAV file) holds, read back by a decoder of tape sound: for
// now fuse-emulator-utils' audio2tape into a TZX tape, which tapeconv turns into a TAP file.
// Empty, with `problem` saying why, when the recording cannot be read.
std::string tapeOfRecording(const std::string& wavPath, std::string& problem);

}  // namespace murax::testing
