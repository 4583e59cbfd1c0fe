// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/FakePlatform.h"

namespace marlquin::test {

Platform::Answer FakePlatform::MessageBox(const std::string& text, const std::string& title,
                                          Buttons buttons, Icon icon) {
  messages.push_back({text, title, buttons, icon});
  if (onMessage) onMessage(messages.back());
  if (messageAnswers.empty()) return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
  const Answer answer = messageAnswers.front();
  messageAnswers.pop_front();
  return answer;
}

std::string FakePlatform::InputBox(const std::string& prompt, const std::string& title,
                                   const std::string&) {
  inputPrompts.push_back(prompt + "|" + title);
  if (inputAnswers.empty()) return "";
  std::string answer = inputAnswers.front();
  inputAnswers.pop_front();
  return answer;
}

std::optional<std::string> FakePlatform::OpenFileDialog(const std::string& title,
                                                        const std::string& filter) {
  fileDialogs.push_back({false, title, filter, ""});
  if (fileAnswers.empty()) return std::nullopt;
  auto answer = fileAnswers.front();
  fileAnswers.pop_front();
  return answer;
}

std::optional<std::string> FakePlatform::SaveFileDialog(const std::string& title,
                                                        const std::string& filter,
                                                        const std::string& initialPath) {
  fileDialogs.push_back({true, title, filter, initialPath});
  if (fileAnswers.empty()) return std::nullopt;
  auto answer = fileAnswers.front();
  fileAnswers.pop_front();
  return answer;
}

void FakePlatform::Yield() {
  ++yields;
  if (onYield) onYield();
}

void FakePlatform::EndProgram() {
  ++endCount;
  throw ProgramEnded();
}

std::optional<std::string> FakePlatform::Environment(const std::string& name) {
  const auto found = environment.find(name);
  if (found == environment.end()) return std::nullopt;
  return found->second;
}

}  // namespace marlquin::test
