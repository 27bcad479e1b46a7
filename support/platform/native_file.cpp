// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/native_file.h"

namespace murax {

bool NativeFile::readAll(std::string& data)
{
    // The size is only a hint for one allocation; the loop reads to the real end.
    if (const auto size = regularFileSize())
        data.reserve(data.size() + static_cast<std::size_t>(*size));
    char buffer[1 << 16];
    for (;;) {
        const std::ptrdiff_t got = read(buffer, sizeof buffer);
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        data.append(buffer, static_cast<std::size_t>(got));
    }
}

}  // namespace murax
