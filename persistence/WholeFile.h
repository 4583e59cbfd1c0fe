// Reading a whole file at once, telling a file that cannot be read from an empty one.
#pragma once

#include <optional>
#include <string>

namespace marlquin {

// The file's bytes, or nothing when it cannot be opened or read (a folder, say).
std::optional<std::string> ReadWholeFile(const std::string& path);

}  // namespace marlquin
