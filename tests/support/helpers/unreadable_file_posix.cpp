// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/helpers/unreadable_file.h"

#include <filesystem>

namespace murax::testing {

std::shared_ptr<void> makeUnreadableFile(const std::string& path)
{
    std::filesystem::create_symlink("/proc/self/mem", path);
    return nullptr;
}

}  // namespace murax::testing
