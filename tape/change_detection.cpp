#include "support/file_io.h"
#include "tape/file_commands.h"

namespace murax {

bool CAMBIATO(const BlockList& list)
{
    const std::string onDisk = readFileQuietly(currentFile);
    // Compared entry by entry, so no joined copy of a large tape is made.
    std::size_t offset = 0;
    for (const auto& entry : list.entries) {
        if (onDisk.size() - offset < entry.size() || onDisk.compare(offset, entry.size(), entry) != 0)
            return true;
        offset += entry.size();
    }
    return offset != onDisk.size();
}

}  // namespace murax
