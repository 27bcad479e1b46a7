// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace murax {

// The full path of the running executable, as the system gives it; "" when it cannot tell.
std::string runningExecutablePath();

}  // namespace murax
