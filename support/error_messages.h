// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "support/error_record.h"

namespace murax {

// What the user is told about a runtime error. The handler that shows these lives with the
// desktop it shows them on (seam/error_handler.h); the texts are here so that the file layer can
// ask, before raising a record, whether it will be answered with a short message.

// The short message for the record: a disk not ready, not formatted or write-protected, a full
// folder or disk, access denied, a path or file not found, a corrupt file, or a record raised to
// be shown as it is. Nothing when none of them applies.
std::optional<std::string> shortMessage(const ErrorRecord& record);

// Whether the record is answered with a short message (after which the command is abandoned and
// the program goes on) rather than a quiet default or the end of the program.
bool hasShortMessage(const ErrorRecord& record);

// The text of the full report: the error line and the location line, separated by ";".
std::string ERRORMESSAGE(const ErrorRecord& record);  // the report text

// "Le modifiche non salvate sono state scritte nel file " + recoveryFile + "."
std::string recoveryNotice(const std::string& recoveryFile);

}  // namespace murax
