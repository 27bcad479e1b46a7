// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>

namespace murax::testing {

// Makes `path` a file that exists but cannot be read, even by root, for as long as the returned
// holder lives: on POSIX a link to /proc/self/mem, whose start cannot be read; on Windows a file
// held open with no sharing.
std::shared_ptr<void> makeUnreadableFile(const std::string& path);

}  // namespace murax::testing
