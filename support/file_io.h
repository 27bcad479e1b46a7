#pragma once

#include <source_location>
#include <string>
#include <string_view>
#include <vector>

namespace murax {

// Whole-file reading and writing, byte for byte. The raising variants report a failure as an
// error record through the runtime-error handler, naming `path` (the file the user knows) and the
// editor code that called them; the handler then usually abandons the running command.

// Reads the file whole. A failure is raised (open failure, the OS code from errno).
std::string readFile(const std::string& path,
                     std::source_location where = std::source_location::current());

// Reads the file whole; a file that is missing or cannot be read gives an empty string, silently.
std::string readFileQuietly(const std::string& path);

// Replaces `path` with exactly the concatenation of `parts`, without ever destroying the old file:
// the bytes go to a new file in the folder of the real target (a symbolic link is resolved, so the
// link stays a link), are flushed to disk and then renamed over the target in one step. The
// replaced file's permissions are kept. On failure the old file is intact, no leftover stays, and
// the failure is raised naming `path`.
void writeFileReplacing(const std::string& path, const std::vector<std::string>& parts,
                        std::source_location where = std::source_location::current());

// The same replacing write for files whose failed write the program does not report (a settings
// file): false on failure, with the old file intact and no leftover.
bool replaceFileQuietly(const std::string& path, const std::vector<std::string>& parts);

// Creates or truncates `path` and writes `bytes` (for scratch files such as the hex editor's);
// a failure is raised naming `path`.
void writeFile(const std::string& path, std::string_view bytes,
               std::source_location where = std::source_location::current());

bool fileExists(const std::string& path);  // a regular file (or a link to one) exists at `path`
void deleteFileQuietly(const std::string& path);

// The system error code for an errno value met on `path`: ENOENT gives 2, or 3 when a folder of
// the path is missing; ENOTDIR 3; EACCES, EPERM, EISDIR 5; EROFS 19; EBUSY, ETXTBSY 32; EIO 31;
// ENXIO, ENODEV 21. ENOSPC and EDQUOT give 0 here: they are told by the disk-full subcode.
int osCodeFromErrno(int err, const std::string& path);

}  // namespace murax
