// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramPath.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "platform/Platform.h"

namespace marlquin {
namespace {

namespace fs = std::filesystem;

// The entry of folder whose name equals part ignoring case, preferring an exact match.
std::string MatchEntry(const fs::path& folder, const std::string& part) {
  std::error_code error;
  if (fs::exists(folder / part, error)) return part;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (SameIgnoringCase(name, part)) return name;
  }
  return part;
}

}  // namespace

bool SameIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

std::string ResolveBelow(const std::string& folder, const std::string& literal) {
  fs::path resolved(folder);
  std::string part;
  auto flush = [&] {
    if (!part.empty()) resolved /= MatchEntry(resolved, part);
    part.clear();
  };
  for (char c : literal) {
    if (c == '\\' || c == '/') {
      flush();
    } else {
      part += c;
    }
  }
  flush();
  return resolved.string();
}

std::string ProgramFile(const std::string& literal) {
  return ResolveBelow(platform().ProgramFolder(), literal);
}

}  // namespace marlquin
