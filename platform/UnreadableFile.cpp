// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/UnreadableFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <set>

#include "platform/Platform.h"

namespace marlquin {

void ReportUnreadableFile(const std::string& path, const std::string& decoderReason) {
  static std::set<std::string> reported;
  if (!reported.insert(path).second) return;
  std::string reason = decoderReason;
  if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
    std::fclose(file);
  } else {
    reason = std::strerror(errno);
  }
  std::cerr << ProgramName << ": cannot read " << path << ": " << reason << std::endl;
}

}  // namespace marlquin
