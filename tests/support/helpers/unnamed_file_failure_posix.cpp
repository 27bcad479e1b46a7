// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/helpers/unnamed_file_failure.h"

#include <sys/resource.h>

namespace murax::testing {

UnnamedFileFailure::UnnamedFileFailure(const std::string& folder) : path_(folder + "/game.tap")
{
    rlimit limit{};
    ::getrlimit(RLIMIT_NOFILE, &limit);
    savedLimit_ = limit.rlim_cur;
    limit.rlim_cur = 0;
    ::setrlimit(RLIMIT_NOFILE, &limit);
}

UnnamedFileFailure::~UnnamedFileFailure()
{
    rlimit limit{};
    ::getrlimit(RLIMIT_NOFILE, &limit);
    limit.rlim_cur = static_cast<rlim_t>(savedLimit_);
    ::setrlimit(RLIMIT_NOFILE, &limit);
}

}  // namespace murax::testing
