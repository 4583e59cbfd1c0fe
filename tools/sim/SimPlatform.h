// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The operating system as the simulation needs it: every box answers at once, the end of
// the program only ends the simulated game, and the program folder is a fresh temporary
// folder, because game over reads and writes the high-score file there.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

#include "platform/Platform.h"

namespace marlquin::sim {

// Thrown where the game would end the program.
struct GameEnded : std::runtime_error {
  GameEnded() : std::runtime_error("game ended") {}
};

class SimPlatform final : public Platform {
 public:
  SimPlatform();
  ~SimPlatform() override;
  SimPlatform(const SimPlatform&) = delete;
  SimPlatform& operator=(const SimPlatform&) = delete;

  Answer MessageBox(const std::string&, const std::string&, Buttons buttons, Icon) override {
    return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
  }
  std::string InputBox(const std::string&, const std::string&, const std::string&,
                       size_t) override {
    return "marlquin-sim";
  }
  std::optional<std::string> OpenFileDialog(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> SaveFileDialog(const std::string&, const std::string&,
                                            const std::string&) override {
    return std::nullopt;
  }
  void Yield() override {}
  [[noreturn]] void EndProgram() override { throw GameEnded(); }
  double SecondsSinceMidnight() override { return 0; }
  std::string ShortDate() override { return "01/01/2026"; }
  std::string DateYYMMDD() override { return "26-01-01"; }
  void SetPointerVisible(bool) override {}
  std::string ProgramFolder() override { return folder_.string(); }
  bool CanWriteIn(const std::string&) override { return true; }
  std::optional<std::string> Environment(const std::string&) override { return std::nullopt; }

 private:
  std::filesystem::path folder_;
};

}  // namespace marlquin::sim
