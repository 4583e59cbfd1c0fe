// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/QtPlatform.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDate>
#include <QFileDialog>
#include <QInputDialog>
#include <QLocale>
#include <QMessageBox>
#include <QTime>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace marlquin {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

std::optional<std::string> RunFileDialog(QFileDialog& dialog) {
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first().toStdString();
}

}  // namespace

std::string QtNameFilter(const std::string& filter) {
  const size_t bar = filter.find('|');
  if (bar == std::string::npos) return filter;
  return filter.substr(0, bar) + " (" + filter.substr(bar + 1) + ")";
}

void QtPlatform::SetWindow(QWidget* window, QWidget* pictureArea) {
  window_ = window;
  pictureArea_ = pictureArea;
}

Platform::Answer QtPlatform::MessageBox(const std::string& text, const std::string& title,
                                        Buttons buttons, Icon icon) {
  QMessageBox box(window_);
  box.setWindowTitle(Q(title));
  box.setText(Q(text));
  box.setIcon(icon == Icon::Information ? QMessageBox::Information
              : icon == Icon::Warning   ? QMessageBox::Warning
                                        : QMessageBox::NoIcon);
  if (buttons == Buttons::YesNo) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
  }
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
  return Answer::Ok;
}

std::string QtPlatform::InputBox(const std::string& prompt, const std::string& title,
                                 const std::string& defaultText, size_t maxBytes) {
  QInputDialog dialog(window_);
  dialog.setWindowTitle(Q(title));
  dialog.setLabelText(Q(prompt));
  dialog.setTextValue(Q(defaultText));
  // What is typed or pasted beyond the bytes the caller keeps is cut at once, so the box
  // shows the text as it will stand.
  QObject::connect(
      &dialog, &QInputDialog::textValueChanged, [&dialog, maxBytes](const QString& text) {
        const std::string typed = text.toStdString();
        if (typed.size() > maxBytes) {
          dialog.setTextValue(QString::fromStdString(CutToWholeCharacters(typed, maxBytes)));
        }
      });
  return dialog.exec() == QDialog::Accepted ? dialog.textValue().toStdString() : std::string();
}

std::optional<std::string> QtPlatform::OpenFileDialog(const std::string& title,
                                                      const std::string& filter) {
  QFileDialog dialog(window_, Q(title));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(Q(QtNameFilter(filter)));
  return RunFileDialog(dialog);
}

std::optional<std::string> QtPlatform::SaveFileDialog(const std::string& title,
                                                      const std::string& filter,
                                                      const std::string& initialPath) {
  QFileDialog dialog(window_, Q(title));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  // The game asks its own overwrite question.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setNameFilter(Q(QtNameFilter(filter)));
  dialog.setDefaultSuffix("sv");
  dialog.selectFile(Q(initialPath));
  return RunFileDialog(dialog);
}

void QtPlatform::Yield() { QCoreApplication::processEvents(); }

void QtPlatform::EndProgram() {
  std::fflush(nullptr);
  std::_Exit(EXIT_SUCCESS);
}

double QtPlatform::SecondsSinceMidnight() {
  return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

std::string QtPlatform::ShortDate() {
  return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

std::string QtPlatform::DateYYMMDD() {
  return QDate::currentDate().toString("yy-MM-dd").toStdString();
}

// Every mouse event shows the pointer and a hovered widget hides it again at once; the
// pointer is changed once the event is handled, so it does not flicker.
void QtPlatform::SetPointerVisible(bool visible) {
  pointerVisible_ = visible;
  if (pictureArea_ == nullptr || pointerUpdatePending_) return;
  pointerUpdatePending_ = true;
  QMetaObject::invokeMethod(
      pictureArea_,
      [this] {
        pointerUpdatePending_ = false;
        if (pointerVisible_) {
          pictureArea_->unsetCursor();
        } else {
          pictureArea_->setCursor(Qt::BlankCursor);
        }
      },
      Qt::QueuedConnection);
}

// Qt reads the executable's real path, so a symlink such as /usr/games/marlquin leads to
// the folder that holds res/.
std::string QtPlatform::ProgramFolder() {
  return QCoreApplication::applicationDirPath().toStdString();
}

bool QtPlatform::CanWriteIn(const std::string& folder) {
  return access(folder.c_str(), W_OK | X_OK) == 0;
}

std::optional<std::string> QtPlatform::Environment(const std::string& name) {
  const char* value = std::getenv(name.c_str());
  if (value == nullptr) return std::nullopt;
  return std::string(value);
}

}  // namespace marlquin
