// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/cleanup_names.h"

#include "support/ascii_case.h"

namespace murax {
namespace {

constexpr char kTemporaryMark = '\x7F';

}  // namespace

bool isTemporaryName(std::string_view name)
{
    return !name.empty() && name.front() == kTemporaryMark;
}

bool isIndexFileName(std::string_view name)
{
    constexpr std::string_view head = "VIEW", extension = ".NTX";
    return name.size() >= 1 + head.size() + extension.size() && isTemporaryName(name) &&
           equalsIgnoringAsciiCase(name.substr(1, head.size()), head) &&
           equalsIgnoringAsciiCase(name.substr(name.size() - extension.size()), extension);
}

}  // namespace murax
