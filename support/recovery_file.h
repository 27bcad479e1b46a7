#pragma once

#include <string>
#include <vector>

namespace murax {

// Saves unsaved edits when the program has to end without the user's own save: the entries are
// written one after another (no joined copy: memory may be what ran out) to a new file named
// after the current file with ".recovered" before its extension (game.recovered.tap), in the
// current file's folder, else in the user's data folder. An existing file is never replaced: the
// name then becomes game.recovered-2.tap, -3 and so on. Returns the new file's full path, or ""
// when it could be written nowhere. Never reports anything.
std::string writeRecoveryFile(const std::string& currentFile,
                              const std::vector<std::string>& entries);

// $XDG_DATA_HOME/murax, else ~/.local/share/murax; "" when neither can be told.
std::string userDataFolder();

}  // namespace murax
