// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "persistence/HighScoreFile.h"

#include <cctype>
#include <optional>

#include "persistence/AtomicFile.h"
#include "persistence/FileStart.h"
#include "platform/DataFolder.h"

namespace marlquin {

std::array<std::array<std::string, 3>, 6> HighScores;

void ResetHighScores() { HighScores = {}; }

namespace {

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

}  // namespace

void LoadHighScores() {
  const std::optional<std::string> file =
      ReadFileStart(DataFileToRead(FileLiteral), MostTableBytes);
  if (!file) return;
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
    for (const std::string& field : HighScores[row]) bytes += field + "\r\n";
  }
  const std::string path = DataFile(FileLiteral);
  if (bytes.size() > MostTableBytes) {
    return "The high scores were not written to " + path + ": they would be longer than the " +
           std::to_string(MostTableBytes) + " bytes the game reads back.";
  }
  // Rows the game could not read would be lost for good.
  const std::string read = DataFileToRead(FileLiteral);
  std::error_code unread;
  const std::optional<std::string> old = ReadFileStart(read, MostTableBytes + 1, &unread);
  if (!old && unread != std::errc::no_such_file_or_directory) {
    return "The high scores were not written: " + read + " could not be read (" + unread.message() +
           "), so it was left as it is.";
  }
  if (old && old->size() > MostTableBytes) {
    return "The high scores were not written: " + read + " is longer than the " +
           std::to_string(MostTableBytes) + " bytes the game reads, so it was left as it is.";
  }
  if (const std::optional<std::string> failure = MakeFolders(DataFolder()).failure) {
    return "Your high scores cannot be kept: " + *failure + ".";
  }
  if (const std::error_code error = WriteFileAtomically(path, bytes)) {
    return "The high scores could not be written to " + path + ": " + error.message() + ".";
  }
  return std::nullopt;
}

std::string NameForTable(std::string typed) {
  std::erase_if(typed, [](char c) { return c == '\r' || c == '\n'; });
  if (typed.size() <= MostNameBytes) return typed;
  size_t end = MostNameBytes;
  while (end > 0 && (static_cast<unsigned char>(typed[end]) & 0xC0) == 0x80) --end;
  typed.resize(end);
  return typed;
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
