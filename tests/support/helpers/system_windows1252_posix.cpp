// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/helpers/system_windows1252.h"

#include <cstddef>
#include <cstdint>

#include <iconv.h>

namespace murax::testing {

char32_t systemWindows1252(unsigned char byte)
{
    const iconv_t converter = iconv_open("UTF-32LE", "CP1252");
    if (converter == reinterpret_cast<iconv_t>(-1))
        return 0;
    char in = static_cast<char>(byte);
    std::uint32_t out = 0;
    char* inPointer = &in;
    char* outPointer = reinterpret_cast<char*>(&out);
    std::size_t inLeft = 1, outLeft = sizeof out;
    const std::size_t converted = iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft);
    iconv_close(converter);
    return converted == static_cast<std::size_t>(-1) ? 0 : static_cast<char32_t>(out);
}

}  // namespace murax::testing
