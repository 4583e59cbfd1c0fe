// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Everything the game asks of the operating system, behind one small interface: modal
// boxes and file dialogs, letting pending events run, ending the process, the clock,
// the pointer, the program's folder, write access and the environment. The window installs the Qt
// implementation; tests install a scripted double.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace marlquin {

// The window's title and the title of the game's message boxes.
inline constexpr char ProgramName[] = "Marlquin";

class Platform {
 public:
  enum class Buttons { Ok, YesNo };
  enum class Icon { None, Information, Warning };
  enum class Answer { Ok, Yes, No };

  virtual ~Platform() = default;

  virtual Answer MessageBox(const std::string& text, const std::string& title, Buttons buttons,
                            Icon icon) = 0;
  // The typed text, at most maxBytes of UTF-8 (the box takes no more); empty when the
  // player cancels.
  virtual std::string InputBox(const std::string& prompt, const std::string& title,
                               const std::string& defaultText, size_t maxBytes) = 0;
  // The chosen path, or nothing when the player cancels or the dialog fails. The filter is
  // given as "description|pattern".
  virtual std::optional<std::string> OpenFileDialog(const std::string& title,
                                                    const std::string& filter) = 0;
  virtual std::optional<std::string> SaveFileDialog(const std::string& title,
                                                    const std::string& filter,
                                                    const std::string& initialPath) = 0;

  // Lets the window process its pending events once.
  virtual void Yield() = 0;
  // Stops the process at once; nothing after it runs.
  [[noreturn]] virtual void EndProgram() = 0;

  virtual double SecondsSinceMidnight() = 0;
  virtual std::string ShortDate() = 0;   // today in the user's short date format
  virtual std::string DateYYMMDD() = 0;  // today as "YY-MM-DD"

  virtual void SetPointerVisible(bool visible) = 0;
  // The folder that holds the executable, without a trailing separator.
  virtual std::string ProgramFolder() = 0;
  // Whether this process may create files in folder.
  virtual bool CanWriteIn(const std::string& folder) = 0;
  // The value of an environment variable; nothing when it is not set.
  virtual std::optional<std::string> Environment(const std::string& name) = 0;
};

// The longest start of UTF-8 text that fits in maxBytes and ends at a whole character.
std::string CutToWholeCharacters(std::string text, size_t maxBytes);

Platform& platform();
// Installs the implementation used from now on; the caller keeps ownership.
void SetPlatform(Platform* implementation);

}  // namespace marlquin
