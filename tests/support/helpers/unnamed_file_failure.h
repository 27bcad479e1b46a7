// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace murax::testing {

// While it lives, opening `path()` fails with an error that no row of the error handler's table
// names (on POSIX: no descriptor is left to open with; on Windows: a name the system refuses).
class UnnamedFileFailure {
public:
    explicit UnnamedFileFailure(const std::string& folder);
    ~UnnamedFileFailure();
    UnnamedFileFailure(const UnnamedFileFailure&) = delete;
    UnnamedFileFailure& operator=(const UnnamedFileFailure&) = delete;

    const std::string& path() const { return path_; }

private:
    std::string path_;
    unsigned long long savedLimit_ = 0;
};

}  // namespace murax::testing
