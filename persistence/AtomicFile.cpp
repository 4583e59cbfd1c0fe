#include "persistence/AtomicFile.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include <unistd.h>

namespace marlquin {

bool WriteFileAtomically(const std::string& path, const std::string& bytes) {
  const std::string temporary = path + ".tmp";
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (file == nullptr) return false;
  // Flushed to the disk before the rename, so a crash cannot leave an empty table behind.
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() &&
                       std::fflush(file) == 0 && fsync(fileno(file)) == 0;
  const bool closed = std::fclose(file) == 0;
  std::error_code error;
  if (written && closed) {
    std::filesystem::rename(temporary, path, error);
    if (!error) return true;
  }
  std::filesystem::remove(temporary, error);
  return false;
}

}  // namespace marlquin
