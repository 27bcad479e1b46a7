// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/file_error.h"

#include "support/error_messages.h"
#include "support/platform/os_error.h"
#include "support/runtime_errors.h"

namespace murax {
namespace {

ErrorRecord recordFor(const FileFailure& failure, const std::string& path,
                      const std::source_location& where)
{
    ErrorRecord record;
    record.GENCODE = failure.gencode;
    record.SUBSYSTEM = "BASE";
    record.OSCODE = osCodeOf(failure.err, path);
    if (isDiskFull(failure.err))
        record.SUBCODE = kDiskFullSubcode;
    record.DESCRIPTION = failure.description;
    record.OPERATION = failure.operation;
    record.FILENAME = path;
    stampLocation(record, where);
    return record;
}

}  // namespace

void raiseFileError(const FileFailure& failure, const std::string& path,
                    const std::source_location& where)
{
    raiseError(recordFor(failure, path, where));
    throw CommandAbandoned{};
}

void raiseSaveError(const FileFailure& failure, const std::string& path,
                    const std::source_location& where)
{
    ErrorRecord record = recordFor(failure, path, where);
    if (!hasShortMessage(record)) {
        record.GENCODE = gencode::ShowOnly;
        record.DESCRIPTION =
            std::string(failure.description) + " (" + systemErrorText(failure.err) + ")";
    }
    raiseError(record);
    throw CommandAbandoned{};
}

}  // namespace murax
