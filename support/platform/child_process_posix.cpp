// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/child_process.h"

#include <cerrno>
#include <ctime>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace murax {
namespace {

void sleepMilliseconds(int milliseconds)
{
    timespec left{milliseconds / 1000, (milliseconds % 1000) * 1000000L};
    while (::nanosleep(&left, &left) != 0 && errno == EINTR) {
    }
}

}  // namespace

std::optional<int> runAndWaitFor(const std::string& commandLine, int pollMilliseconds,
                                 const std::function<void()>& betweenPolls)
{
    const std::vector<std::string> words = splitCommandLine(commandLine);
    if (words.empty())
        return std::nullopt;
    std::vector<char*> argv;
    for (const auto& word : words)
        argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);

    pid_t pid = 0;
    // The C library reports a program that cannot be run as the spawn's own failure.
    if (::posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return std::nullopt;
    int status = 0;
    for (;;) {
        const pid_t ended = ::waitpid(pid, &status, WNOHANG);
        if (ended == pid)
            break;
        if (ended < 0 && errno != EINTR)
            return std::nullopt;
        sleepMilliseconds(pollMilliseconds);
        if (betweenPolls)
            betweenPolls();
    }
    if (WIFSIGNALED(status))
        return 128 + WTERMSIG(status);
    return WEXITSTATUS(status);
}

}  // namespace murax
