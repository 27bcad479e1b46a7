// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/scratch_file.h"

#include "support/error_record.h"
#include "support/platform/file_error.h"

namespace murax {

ScratchFile::ScratchFile(const std::function<std::string()>& newName, std::string_view bytes,
                         const ScratchPlace& place, std::source_location where)
{
    int error = createUnder(place.prefix, newName);
    if (error != 0 && !place.fallback.empty()) {
        std::string parent = place.fallback;
        if (parent.back() != separator() && parent.back() != '/')
            parent += separator();
        error = makeFolderUnder(parent, newName);
        if (error == 0)
            error = createUnder(folder_ + separator(), newName);
    }
    if (error != 0) {
        // No destructor runs for an object whose construction failed.
        removeMade();
        raiseFileError({gencode::Create, "FCREATE", "Create error", error}, path_, where);
    }
    if (const int writeError = write(bytes); writeError != 0) {
        removeMade();
        raiseFileError({gencode::Write, "FWRITE", "Write error", writeError}, path_, where);
    }
}

ScratchFile::~ScratchFile()
{
    removeMade();
}

}  // namespace murax
