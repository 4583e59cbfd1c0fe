// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "persistence/AtomicFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "platform/Platform.h"

namespace marlquin {
namespace {

// What the last failed C call left in errno; a short write need not set it.
std::error_code LastError() {
  return errno != 0 ? std::error_code(errno, std::generic_category())
                    : std::make_error_code(std::errc::io_error);
}

}  // namespace

std::error_code WriteFileAtomically(const std::string& path, const std::string& bytes) {
  const std::string temporary = path + ".tmp";
  errno = 0;
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (file == nullptr) return LastError();
  // Flushed to the disk before the rename, so a crash cannot leave an empty table behind.
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() &&
                       std::fflush(file) == 0 && fsync(fileno(file)) == 0;
  std::error_code error = written ? std::error_code() : LastError();
  if (std::fclose(file) != 0 && !error) error = LastError();
  if (!error) std::filesystem::rename(temporary, path, error);
  if (error) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
  }
  return error;
}

std::optional<std::string> MoveAside(const std::string& path, const std::string& label,
                                     std::error_code& error) {
  const int seconds = static_cast<int>(platform().SecondsSinceMidnight());
  char time[16];
  std::snprintf(time, sizeof time, "%02d%02d%02d", seconds / 3600 % 100, seconds / 60 % 60,
                seconds % 60);
  const std::string stem = path + "." + label + "-" + platform().DateYYMMDD() + "-" + time;
  for (int n = 1;; ++n) {
    const std::string aside = n == 1 ? stem : stem + "-" + std::to_string(n);
    if (renameat2(AT_FDCWD, path.c_str(), AT_FDCWD, aside.c_str(), RENAME_NOREPLACE) == 0) {
      return aside;
    }
    if (errno != EEXIST) {
      error = std::error_code(errno, std::generic_category());
      return std::nullopt;
    }
  }
}

}  // namespace marlquin
