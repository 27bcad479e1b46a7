// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <functional>
#include <optional>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

namespace murax::testing {

// What a part run in a child process came to: the text it returned, or whether it died first.
struct ChildPartOutcome {
    std::string report;
    bool died = false;
    int signal = 0;
};

// Runs `part` in a child process, for a test whose part changes what the whole process may do
// (its user, its limits), and hands back what `part` returned; an exception that escapes it is
// reported as such. Nothing when no child could be started.
inline std::optional<ChildPartOutcome> runChildPart(const std::function<std::string()>& part)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return std::nullopt;
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child < 0)
        return std::nullopt;
    if (child == 0) {
        ::close(channel[0]);
        std::string report;
        try {
            report = part();
        } catch (...) {
            report = "an exception escaped the child's part";
        }
        [[maybe_unused]] const auto written = ::write(channel[1], report.data(), report.size());
        ::_exit(0);
    }
    ::close(channel[1]);
    ChildPartOutcome outcome;
    char buffer[4096];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        outcome.report.append(buffer, static_cast<std::size_t>(got));
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    outcome.died = !WIFEXITED(status);
    outcome.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    return outcome;
}

}  // namespace murax::testing
