// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace murax {

// The errors the system reports (errno on POSIX, GetLastError on Windows) as the runtime-error
// handler's table knows them: that table is written in the Windows system error codes.

// The system error code for an error met on `path`. On Windows the error itself; on POSIX the
// errno mapped: ENOENT gives 2, or 3 when a folder of the path is missing; ENOTDIR, ENAMETOOLONG
// and ELOOP 3; EACCES, EPERM, EISDIR 5; EROFS 19; EBUSY, ETXTBSY 32; EIO 31; ENXIO, ENODEV 21;
// anything else 0 (the disk being full is told by the disk-full subcode instead).
int osCodeOf(int systemError, const std::string& path);

// Whether the error says that the disk or the user's quota is full.
bool isDiskFull(int systemError);

// Whether the error says that the file, or a folder on its path, does not exist.
bool isMissingFile(int systemError);

// Whether the error says that the user may not make or write a file there.
bool isAccessRefused(int systemError);

// The error of the system call that just failed.
int lastSystemError();

// Sets that error again, as it stood before calls whose own failure does not count.
void setLastSystemError(int systemError);

// The system's own words for the error.
std::string systemErrorText(int systemError);

}  // namespace murax
