#pragma once

#include <string>

namespace murax::lister {

// Reads a file whole, byte for byte. On failure returns false and sets `error` to the errno value
// of the step that failed (opening, reading or closing), so the caller can say why.
bool readWholeFile(const std::string& path, std::string& bytes, int& error);

}  // namespace murax::lister
