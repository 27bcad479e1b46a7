// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32/program_arguments.h"

#include <windows.h>

#include <shellapi.h>

#include "support/platform/wide_text_windows.h"

namespace murax {

std::vector<std::string> programArguments(const wchar_t* commandLine)
{
    int count = 0;
    wchar_t** words = CommandLineToArgvW(commandLine, &count);
    if (words == nullptr)
        return {};
    std::vector<std::string> arguments;
    arguments.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        arguments.push_back(utf8Text(words[i], wcslen(words[i])));
    LocalFree(words);
    return arguments;
}

std::vector<char*> argumentPointers(std::vector<std::string>& arguments)
{
    std::vector<char*> pointers;
    pointers.reserve(arguments.size() + 1);
    for (std::string& argument : arguments)
        pointers.push_back(argument.data());
    pointers.push_back(nullptr);
    return pointers;
}

}  // namespace murax
