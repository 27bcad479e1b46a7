// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lister/whole_file_reader.h"

#include "support/native_file.h"

namespace murax::lister {

bool readWholeFile(const std::string& path, std::string& bytes, int& error)
{
    bytes.clear();
    NativeFile file = NativeFile::openForReading(path);
    // A folder opens on some systems and then fails to read, and so does a device that cannot be
    // read.
    if (!file.isOpen() || !file.readAll(bytes)) {
        error = file.error();
        bytes.clear();
        return false;
    }
    return true;
}

}  // namespace murax::lister
