// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "persistence/FileStart.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace marlquin {

// Plain C streams: the C++ stream buffers throw on a read error such as a folder's.
std::optional<std::string> ReadFileStart(const std::string& path, size_t limit,
                                         std::error_code* reason) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) {
    if (reason) *reason = std::error_code(errno, std::generic_category());
    return std::nullopt;
  }
  errno = 0;
  std::string bytes;
  char buffer[4096];
  for (size_t n;
       bytes.size() < limit &&
       (n = std::fread(buffer, 1, std::min(sizeof buffer, limit - bytes.size()), file)) > 0;) {
    bytes.append(buffer, n);
  }
  // A stream error is a failure even where errno was not set.
  const bool failed = std::ferror(file) != 0;
  const int failure = errno != 0 ? errno : EIO;
  std::fclose(file);
  if (failed) {
    if (reason) *reason = std::error_code(failure, std::generic_category());
    return std::nullopt;
  }
  return bytes;
}

}  // namespace marlquin
