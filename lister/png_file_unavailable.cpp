// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lister/png_file.h"

namespace murax::lister {

// Built where libpng is missing (the Windows cross build): the program says so instead of
// writing a picture.
bool pngAvailable()
{
    return false;
}

bool encodePng(const ScreenPicture&, std::string& png, std::string& error)
{
    png.clear();
    error = "PNG writing is not available in this build";
    return false;
}

}  // namespace murax::lister
