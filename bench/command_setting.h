// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>

#include "bench/bench_support.h"
#include "seam/app_context.h"
#include "support/runtime_errors.h"
#include "tests/fakes/fake_desktop.h"

namespace murax::bench {

inline constexpr std::size_t kMillion = 1u << 20;

// What the benchmarks of the commands share: a tape of a million entries in a scratch folder, the
// scripted desktop in a context of its own, and a handler that abandons a command that fails, so
// that the benchmark's check of the outcome reports it.
struct CommandSetting {
    ScratchFolder folder;
    std::string tape = folder.write("million.tap", zeroTape(kMillion));
    testing::FakeDesktop fake;
    AppContext app{fake};

    CommandSetting()
    {
        installErrorHandler([](const ErrorRecord&) -> ErrorResult { throw CommandAbandoned{}; });
    }
};

}  // namespace murax::bench
