// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/helpers/unnamed_file_failure.h"

namespace murax::testing {

// "<" and ">" are never part of a Windows file name: the system refuses the name itself.
UnnamedFileFailure::UnnamedFileFailure(const std::string& folder) : path_(folder + "\\ga<me>.tap")
{}

UnnamedFileFailure::~UnnamedFileFailure() = default;

}  // namespace murax::testing
