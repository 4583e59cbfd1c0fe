// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/sim/SimPlatform.h"

#include <cstdlib>
#include <system_error>

namespace marlquin::sim {

SimPlatform::SimPlatform() {
  std::string pattern = (std::filesystem::temp_directory_path() / "marlquin-sim-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    throw std::runtime_error("cannot create a temporary folder");
  }
  folder_ = pattern;
}

SimPlatform::~SimPlatform() {
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

}  // namespace marlquin::sim
