// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/realtapes/recording_decoder.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace murax::testing {

std::string tapeOfRecording(const std::string& wavPath, std::string& problem)
{
    const std::string tzx = wavPath + ".tzx", tap = wavPath + ".tap";
    const std::string command = "audio2tape '" + wavPath + "' '" + tzx +
                                "' >/dev/null 2>&1 && tapeconv '" + tzx + "' '" + tap +
                                "' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) {
        problem = "audio2tape and tapeconv could not read " + wavPath;
        return {};
    }
    std::ifstream in(tap, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace murax::testing
