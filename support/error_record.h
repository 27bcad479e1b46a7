// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace murax {

// A runtime failure as the error handler sees it. The field names and codes are those the
// handler's decision table distinguishes; OSCODE carries the platform error mapped to the
// system error codes (2 file not found, 3 path not found, 5 access denied, ...).
struct ErrorRecord {
    int SEVERITY = 2;  // above 1 an error, 0 or 1 a warning
    int GENCODE = 0;
    std::optional<std::string> SUBSYSTEM;
    std::optional<int> SUBCODE;
    int OSCODE = 0;
    std::optional<std::string> DESCRIPTION;
    std::string OPERATION;
    std::string FILENAME;
    bool CANDEFAULT = false;

    // Where the editor's own code called the failing operation; empty and 0 when unknown.
    std::string function;
    unsigned line = 0;
};

// General error classes used by the records the editor raises.
namespace gencode {
inline constexpr int Argument = 1;
inline constexpr int ZeroDivision = 5;
inline constexpr int Memory = 11;
inline constexpr int Create = 20;
inline constexpr int Open = 21;
inline constexpr int Read = 23;
inline constexpr int Write = 24;
inline constexpr int Corruption = 32;
inline constexpr int AppendLock = 40;
inline constexpr int ShowOnly = 1001;
}  // namespace gencode

inline constexpr int kDiskFullSubcode = 2016;
inline constexpr int kCorruptFileSubcode = 1012;

}  // namespace murax
