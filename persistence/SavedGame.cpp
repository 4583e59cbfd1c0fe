// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "persistence/SavedGame.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <system_error>

#include "core/GameState.h"
#include "core/clsBall.h"
#include "persistence/AtomicFile.h"
#include "persistence/FileStart.h"
#include "platform/DataFolder.h"
#include "platform/Platform.h"

namespace marlquin {
namespace {

namespace fs = std::filesystem;

constexpr char Filter[] = "*.sv|*.sv";
constexpr int16_t HighestCell = 7;

void Put16(std::string& out, int16_t value) {
  const auto bits = static_cast<uint16_t>(value);
  out += static_cast<char>(bits & 0xFF);
  out += static_cast<char>(bits >> 8);
}

void Put32(std::string& out, int32_t value) {
  const auto bits = static_cast<uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((bits >> shift) & 0xFF);
}

uint32_t Byte(const std::string& in, size_t at) { return static_cast<unsigned char>(in[at]); }

int16_t Get16(const std::string& in, size_t at) {
  return static_cast<int16_t>(static_cast<uint16_t>(Byte(in, at) | (Byte(in, at + 1) << 8)));
}

int32_t Get32(const std::string& in, size_t at) {
  return static_cast<int32_t>(Byte(in, at) | (Byte(in, at + 1) << 8) | (Byte(in, at + 2) << 16) |
                              (Byte(in, at + 3) << 24));
}

void Tell(const std::string& text, Platform::Icon icon) {
  platform().MessageBox(text, ProgramName, Platform::Buttons::Ok, icon);
}

// The save dialog and the overwrite question: the path to write, or nothing.
std::string AskSavePath(const std::string& proposed) {
  const std::optional<std::string> chosen =
      platform().SaveFileDialog("Save Game to file", Filter, proposed);
  if (!chosen || chosen->empty()) return "";
  if (FileExists(*chosen) &&
      platform().MessageBox("File already exists. Do you want to replace it?", "Save file",
                            Platform::Buttons::YesNo,
                            Platform::Icon::None) == Platform::Answer::No) {
    return "";
  }
  return *chosen;
}

}  // namespace

std::string EncodeSavedGame() {
  std::string bytes;
  bytes.reserve(SavedGameBytes);
  for (int16_t cell : Board) Put16(bytes, cell);
  Put16(bytes, PushLimit);
  Put16(bytes, Level);
  Put16(bytes, PushTick);
  Put16(bytes, BallCount);
  Put32(bytes, Score);
  return bytes;
}

bool DecodeSavedGame(const std::string& bytes) {
  if (bytes.size() < SavedGameBytes) return false;
  std::array<int16_t, BoardCells> cells{};
  int bubbles = 0;
  for (int i = 0; i < BoardCells; ++i) {
    cells[i] = Get16(bytes, 2 * i);
    if (cells[i] < EmptyCell || cells[i] > HighestCell) return false;
    bubbles += cells[i] != EmptyCell;
  }
  const size_t counters = 2 * BoardCells;
  const int16_t ballCount = Get16(bytes, counters + 6);
  const int32_t score = Get32(bytes, counters + 8);
  if (score < 0 || ballCount < bubbles) return false;
  Board = cells;
  PushLimit = Get16(bytes, counters);
  Level = Get16(bytes, counters + 2);
  PushTick = Get16(bytes, counters + 4);
  BallCount = ballCount;
  Score = score;
  return true;
}

bool FileExists(const std::string& path) {
  std::error_code error;
  return !path.empty() && fs::is_regular_file(path, error);
}

std::string AskOpenGameFile() {
  const std::optional<std::string> chosen =
      platform().OpenFileDialog("Open Game save file", Filter);
  return chosen ? *chosen : "";
}

// The file dialog cannot propose a name in a folder that does not exist, so the
// saved-games folder is made for it when missing; whatever was made and is still empty
// once the game was written, or the dialog cancelled, is taken away again.
void SaveGame() {
  const std::string name = platform().DateYYMMDD() + ".sv";
  const std::optional<std::string> folder = SavedGamesFolder();
  const std::string saveIn = folder.value_or(DataFolder());
  const MadeFolders made = MakeFolders(saveIn);
  if (!folder) {
    Tell("Your saved games cannot be kept in their usual place: " +
             (fs::path(DataFolder()) / SavedGamesName).string() + " is not a folder.",
         Platform::Icon::Warning);
  } else if (made.failure) {
    Tell("Your saved games cannot be kept in their usual place: " + *made.failure + ".",
         Platform::Icon::Warning);
  }
  const std::string proposed = made.failure ? name : (fs::path(saveIn) / name).string();
  if (const std::string path = AskSavePath(proposed); !path.empty()) {
    if (const std::error_code error = WriteFileAtomically(path, EncodeSavedGame())) {
      Tell("The game could not be saved to " + path + ": " + error.message() + ".",
           Platform::Icon::Warning);
    } else {
      Tell("Game has been saved to " + path, Platform::Icon::Information);
    }
  }
  made.RemoveWhereEmpty();
}

bool LoadGame() {
  const std::string path = AskOpenGameFile();
  if (path.empty()) return false;
  std::error_code unread;
  const std::optional<std::string> bytes = ReadFileStart(path, SavedGameBytes, &unread);
  if (!bytes) {
    Tell("The file " + path + " could not be read (" + unread.message() + ").",
         Platform::Icon::Warning);
    return false;
  }
  if (!DecodeSavedGame(*bytes)) {
    Tell("The file " + path + " is not a saved game of Marlquin and was not loaded.",
         Platform::Icon::Warning);
    return false;
  }
  Ball.EndFlight();  // a ball still in the air must not land in the loaded board
  Ball.NewBall(ShootAngle, CurColor);
  return true;
}

}  // namespace marlquin
