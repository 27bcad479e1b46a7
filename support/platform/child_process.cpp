// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/child_process.h"

namespace murax {
namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

}  // namespace

std::string commandLineWord(const std::string& path)
{
    bool blank = false;
    for (const char c : path)
        blank = blank || isBlank(c);
    if (!blank && path.find('"') == std::string::npos)
        return path;
    std::string word = "\"";
    for (const char c : path)
        word += c == '"' ? std::string(3, '"') : std::string(1, c);
    return word + '"';
}

std::vector<std::string> splitCommandLine(const std::string& commandLine)
{
    std::vector<std::string> words;
    std::string word;
    bool inQuotes = false;
    int quotes = 0;  // double quotes met in a row
    for (const char c : commandLine) {
        if (c == '"') {
            if (++quotes == 3) {
                quotes = 0;
                word += c;
            }
            continue;
        }
        if (quotes == 1)
            inQuotes = !inQuotes;
        quotes = 0;
        if (!inQuotes && isBlank(c)) {
            if (!word.empty())
                words.push_back(std::move(word));
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty())
        words.push_back(std::move(word));
    return words;
}

}  // namespace murax
