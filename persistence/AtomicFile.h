// Writing a file so that it is either wholly replaced or left as it was.
#pragma once

#include <string>

namespace marlquin {

// Writes bytes to a temporary file beside path and renames it over path. On any failure
// the temporary file is removed, path is untouched and the result is false.
bool WriteFileAtomically(const std::string& path, const std::string& bytes);

}  // namespace marlquin
