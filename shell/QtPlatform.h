// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The platform services on Qt: Qt's own message, input and file dialogs over the game
// window, event processing for the yields, and the local clock.
#pragma once

#include "platform/Platform.h"

class QWidget;

namespace marlquin {

class QtPlatform final : public Platform {
 public:
  // The window the dialogs belong to and whose picture area shows or hides the pointer.
  void SetWindow(QWidget* window, QWidget* pictureArea);

  Answer MessageBox(const std::string& text, const std::string& title, Buttons buttons,
                    Icon icon) override;
  std::string InputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultText, size_t maxBytes) override;
  std::optional<std::string> OpenFileDialog(const std::string& title,
                                            const std::string& filter) override;
  std::optional<std::string> SaveFileDialog(const std::string& title, const std::string& filter,
                                            const std::string& initialPath) override;
  void Yield() override;
  [[noreturn]] void EndProgram() override;
  double SecondsSinceMidnight() override;
  std::string ShortDate() override;
  std::string DateYYMMDD() override;
  void SetPointerVisible(bool visible) override;
  std::string ProgramFolder() override;
  bool CanWriteIn(const std::string& folder) override;
  std::optional<std::string> Environment(const std::string& name) override;

 private:
  QWidget* window_ = nullptr;
  QWidget* pictureArea_ = nullptr;
  bool pointerVisible_ = true;
  bool pointerUpdatePending_ = false;
};

// "description|pattern" as the Qt file dialog's name filter "description (pattern)".
std::string QtNameFilter(const std::string& filter);

}  // namespace marlquin
