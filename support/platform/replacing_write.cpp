// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/replacing_write.h"

namespace murax {

bool replaceFileQuietly(const std::string& path, const ByteParts& parts)
{
    return !replaceFileContents(path, parts, LinksInTheWay::Refuse).has_value();
}

}  // namespace murax
