// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "persistence/HighScoreFile.h"

#include <cctype>
#include <filesystem>
#include <optional>
#include <system_error>

#include "persistence/AtomicFile.h"
#include "persistence/FileStart.h"
#include "platform/DataFolder.h"
#include "platform/Platform.h"
#include "platform/UnreadableFile.h"

namespace marlquin {

std::array<std::array<std::string, 3>, 6> HighScores;

void ResetHighScores() { HighScores = {}; }

namespace {

namespace fs = std::filesystem;

constexpr int StoredRows = 5;
constexpr char FileLiteral[] = "\\Bubble.rec";

// A line ends at CR; a LF right after it belongs to the line end, a lone LF does not end
// a line. Text after the last CR is a last line when there is any.
bool NextLine(const std::string& bytes, size_t& pos, std::string& line) {
  if (pos >= bytes.size()) return false;
  const size_t cr = bytes.find('\r', pos);
  if (cr == std::string::npos) {
    line = bytes.substr(pos);
    pos = bytes.size();
    return true;
  }
  line = bytes.substr(pos, cr - pos);
  pos = cr + 1;
  if (pos < bytes.size() && bytes[pos] == '\n') ++pos;
  return true;
}

// Why a new table written over what stands at path would lose bytes of it, or nothing when
// it would not (or nothing stands there): it cannot be read, is longer than is read, has
// more than the table's lines or a field longer than the table keeps.
std::optional<std::string> InTheWay(const std::string& path) {
  std::error_code error;
  if (!fs::exists(fs::symlink_status(path, error))) return std::nullopt;
  const std::optional<std::string> old = ReadFileStart(path, MostTableBytes + 1, &error);
  if (!old) return "it could not be read: " + error.message();
  if (old->size() > MostTableBytes) {
    return "it is longer than the " + std::to_string(MostTableBytes) + " bytes the game reads";
  }
  size_t pos = 0;
  std::string field;
  for (int line = 0; line < 3 * StoredRows && NextLine(*old, pos, field); ++line) {
    if (field.size() > MostNameBytes) return "it holds a line longer than the game keeps";
  }
  if (pos < old->size()) return "it holds more lines than the game keeps";
  return std::nullopt;
}

}  // namespace

void LoadHighScores() {
  const std::string path = DataFileToRead(FileLiteral);
  std::error_code unread;
  const std::optional<std::string> file = ReadFileStart(path, MostTableBytes, &unread);
  if (!file) {
    if (unread != std::errc::no_such_file_or_directory)
      ReportUnreadableFile(path, unread.message());
    return;
  }
  const std::string& bytes = *file;
  size_t pos = 0;
  for (int row = 0; row < StoredRows; ++row) {
    for (std::string& field : HighScores[row]) {
      if (!NextLine(bytes, pos, field)) return;
    }
  }
}

std::optional<std::string> SaveHighScores() {
  std::string bytes;
  for (int row = 0; row < StoredRows; ++row) {
    for (const std::string& field : HighScores[row]) {
      bytes += CutToWholeCharacters(field, MostNameBytes) + "\r\n";
    }
  }
  if (const std::optional<std::string> failure = MakeFolders(DataFolder()).failure) {
    return "Your high scores cannot be kept: " + *failure + ".";
  }
  const std::string path = DataFile(FileLiteral);
  std::string told;
  if (const std::optional<std::string> why = InTheWay(path)) {
    std::error_code error;
    const std::optional<std::string> aside = MoveAside(path, "set-aside", error);
    if (!aside) {
      return "The high scores were not written: " + path + " could not be set aside (" +
             error.message() + ") and " + *why + ", so it was left as it is.";
    }
    told = "The high-score table " + path + " was kept as " + *aside + ", because " + *why +
           "; a new table was begun. ";
  }
  if (const std::error_code error = WriteFileAtomically(path, bytes)) {
    return told + "The high scores could not be written to " + path + ": " + error.message() + ".";
  }
  if (told.empty()) return std::nullopt;
  return told;
}

std::string NameForTable(std::string typed) {
  std::erase_if(typed, [](char c) { return c == '\r' || c == '\n'; });
  return CutToWholeCharacters(typed, MostNameBytes);
}

double NumericValue(const std::string& text) {
  size_t pos = 0;
  while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
  double sign = 1;
  if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
    if (text[pos] == '-') sign = -1;
    ++pos;
  }
  double value = 0;
  for (; pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos])); ++pos) {
    value = value * 10 + (text[pos] - '0');
  }
  return sign * value;
}

}  // namespace marlquin
