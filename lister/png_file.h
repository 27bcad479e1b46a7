// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "tape/inspect/screen_picture.h"

namespace murax::lister {

// Whether this build writes PNG files (it needs libpng, which the Windows build lacks).
bool pngAvailable();

// The picture as the bytes of a PNG file, 8-bit RGB, pixel for pixel. On failure returns false
// and `error` says why.
bool encodePng(const ScreenPicture& picture, std::string& png, std::string& error);

}  // namespace murax::lister
