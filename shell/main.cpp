// Marlquin: opens the game window and runs its frame loop until the game ends.
#include <QApplication>

#include "shell/Form1.h"
#include "shell/QtPlatform.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  marlquin::QtPlatform platform;
  marlquin::SetPlatform(&platform);
  marlquin::Form1 window;
  platform.SetWindow(&window, window.PictureArea());
  window.Form_Load();
  window.show();
  return application.exec();
}
