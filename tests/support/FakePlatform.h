// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A scripted stand-in for the operating system: answers for the boxes and dialogs are
// queued in advance, every call is recorded, and ending the program throws ProgramEnded
// so a test can see where the game would have stopped.
#pragma once

#include <unistd.h>

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace marlquin::test {

struct ProgramEnded : std::runtime_error {
  ProgramEnded() : std::runtime_error("program ended") {}
};

struct ShownMessage {
  std::string text;
  std::string title;
  Platform::Buttons buttons;
  Platform::Icon icon;
};

struct ShownFileDialog {
  bool save;
  std::string title;
  std::string filter;
  std::string initialPath;
};

class FakePlatform final : public Platform {
 public:
  std::deque<Answer> messageAnswers;  // Ok, or Yes to a question, when empty
  std::deque<std::string> inputAnswers;
  std::deque<std::optional<std::string>> fileAnswers;  // cancel when empty
  std::function<void()> onYield;

  std::vector<ShownMessage> messages;
  std::vector<std::string> inputPrompts;
  std::vector<ShownFileDialog> fileDialogs;
  int yields = 0;
  int endCount = 0;
  bool pointerVisible = true;

  double seconds = 36000.25;
  std::string shortDate = "05/12/2026";
  std::string yymmdd = "26-12-05";
  std::string programFolder;
  std::map<std::string, std::string> environment;

  Answer MessageBox(const std::string& text, const std::string& title, Buttons buttons,
                    Icon icon) override {
    messages.push_back({text, title, buttons, icon});
    return Next(messageAnswers, buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok);
  }
  std::string InputBox(const std::string& prompt, const std::string& title, const std::string&,
                       size_t maxBytes) override {
    inputPrompts.push_back(prompt + "|" + title);
    return CutToWholeCharacters(Next(inputAnswers, std::string()), maxBytes);
  }
  std::optional<std::string> OpenFileDialog(const std::string& title,
                                            const std::string& filter) override {
    fileDialogs.push_back({false, title, filter, ""});
    return Next(fileAnswers, std::optional<std::string>());
  }
  std::optional<std::string> SaveFileDialog(const std::string& title, const std::string& filter,
                                            const std::string& initialPath) override {
    fileDialogs.push_back({true, title, filter, initialPath});
    return Next(fileAnswers, std::optional<std::string>());
  }
  void Yield() override {
    ++yields;
    if (onYield) onYield();
  }
  [[noreturn]] void EndProgram() override {
    ++endCount;
    throw ProgramEnded();
  }
  double SecondsSinceMidnight() override { return seconds; }
  std::string ShortDate() override { return shortDate; }
  std::string DateYYMMDD() override { return yymmdd; }
  void SetPointerVisible(bool visible) override { pointerVisible = visible; }
  std::string ProgramFolder() override { return programFolder; }
  bool CanWriteIn(const std::string& folder) override {
    return access(folder.c_str(), W_OK | X_OK) == 0;
  }
  std::optional<std::string> Environment(const std::string& name) override {
    const auto found = environment.find(name);
    return found == environment.end() ? std::nullopt : std::optional(found->second);
  }

 private:
  // The first queued answer, taken from the queue; otherwise the default.
  template <class T>
  static T Next(std::deque<T>& answers, T otherwise) {
    if (answers.empty()) return otherwise;
    T answer = std::move(answers.front());
    answers.pop_front();
    return answer;
  }
};

}  // namespace marlquin::test
