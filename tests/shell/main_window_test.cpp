#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWindow>
#include <QKeyEvent>
#include <QWheelEvent>
#include <filesystem>

#include "core/GameState.h"
#include "core/clsBall.h"
#include "graphics/GDIPLUSLib.h"
#include "shell/Form1.h"
#include "shell/ResourceFolder.h"
#include "shell/Screens.h"
#include "tests/support/GameTest.h"

namespace marlquin::test {
namespace {

// Stands in a screen slot and writes what the window asks of it into the log.
class RecordingScreen final : public AbsScreen {
 public:
  explicit RecordingScreen(EventLog& log) : log_(log) {}
  void MouseUp() override { log_.push_back("up"); }
  void MouseMove(int16_t x, int16_t y) override {
    log_.push_back("move " + std::to_string(x) + "," + std::to_string(y));
  }
  void MouseDown() override { log_.push_back("down"); }
  void Draw() override { log_.push_back("draw"); }

 private:
  EventLog& log_;
};

class RecordingPresent final : public PresentTarget {
 public:
  explicit RecordingPresent(EventLog& log) : log_(log) {}
  void ShowFrame(const QImage&) override { log_.push_back("present"); }

 private:
  EventLog& log_;
};

class MainWindow : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    window.Form_Load();
    Ball.init(165, 364);
  }

  void PlayScreenCurrent() {
    CurScreen = ScreenPlay;
    ShootAngle = AngleFromAimStep(0);
    Ball.NewBall(ShootAngle, 1);
  }

  void Press(int16_t key, int times = 1) {
    for (int i = 0; i < times; ++i) window.Form_KeyDown(key);
  }

  Form1 window;
};

using StartUp = GameTest;

TEST_F(StartUp, AMissingResourceFolderIsNamedInABoxAndNothingIsPlayed) {
  EXPECT_TRUE(CheckResourceFolder());
  EXPECT_TRUE(fake.messages.empty());

  std::filesystem::remove(folder / "res");
  EXPECT_FALSE(CheckResourceFolder());
  ASSERT_EQ(fake.messages.size(), 1u);
  EXPECT_NE(fake.messages[0].text.find((folder / "res").string()), std::string::npos)
      << fake.messages[0].text;
  EXPECT_EQ(fake.messages[0].icon, Platform::Icon::Warning);
}

TEST_F(MainWindow, OpensAsTheCaptionedWindowWithItsPictureAreaAndTimer) {
  EXPECT_EQ(window.windowTitle(), "Marlquin");
  EXPECT_EQ(window.size(), QSize(801, 601));
  EXPECT_EQ(window.PictureArea()->geometry(), QRect(0, 0, 800, 600));
  EXPECT_EQ(window.FrameTimer().interval(), 22);
  EXPECT_EQ(window.FrameTimer().timerType(), Qt::PreciseTimer);
  EXPECT_TRUE(window.FrameTimer().isActive());
  EXPECT_EQ(CurScreen, ScreenMenu);
  for (AbsScreen* screen : Screens) EXPECT_NE(screen, nullptr);
}

TEST_F(MainWindow, ArrowKeysTurnTheAimInHalfEvenStepsWithinItsLimits) {
  Press(Form1::KeyLeft);
  EXPECT_EQ(AimStep, 0) << "keys do nothing on the menu";

  PlayScreenCurrent();
  Press(Form1::KeyLeft);
  EXPECT_EQ(AimStep, 2);
  EXPECT_DOUBLE_EQ(ShootAngle, (45 - 2) * 3.141593 / 90);
  Press(Form1::KeyLeft, 19);
  EXPECT_EQ(AimStep, 40);
  Press(Form1::KeyLeft);
  EXPECT_EQ(AimStep, 40);

  AimStep = 0;
  Press(Form1::KeyRight);
  EXPECT_EQ(AimStep, -2);
  AimStep = 1;
  Press(Form1::KeyLeft);
  EXPECT_EQ(AimStep, 4) << "3.5 rounds to the even 4: three from an odd value";
  Press(65);
  EXPECT_EQ(AimStep, 4);
}

TEST_F(MainWindow, AnAimChangeRecomputesTheWaitingBallsPath) {
  PlayScreenCurrent();
  const int16_t straight = Ball.StepCount;
  Press(Form1::KeyLeft, 20);
  EXPECT_GT(Ball.StepCount, straight) << "a slanted path bounces and is longer";
  EXPECT_LE(Ball.StepCount, 131);
}

TEST_F(MainWindow, OneFreeWheelNotchAimsLikeAnArrowAndEveryOtherWheelEventDoesNothing) {
  window.PictureWheelProc(-120, false);
  EXPECT_EQ(AimStep, 0);

  PlayScreenCurrent();
  window.PictureWheelProc(-120, false);
  EXPECT_EQ(AimStep, 2) << "towards the user: as Left";
  window.PictureWheelProc(120, false);
  EXPECT_EQ(AimStep, 0) << "away from the user: as Right";
  window.PictureWheelProc(-120, true);
  window.PictureWheelProc(-240, false);
  window.PictureWheelProc(15, false);
  EXPECT_EQ(AimStep, 0);
}

TEST_F(MainWindow, QtWheelAndKeyEventsReachTheAimAndAreNeverPassedOn) {
  PlayScreenCurrent();
  auto wheel = [&](int delta, Qt::KeyboardModifiers modifiers) {
    QWheelEvent event(QPointF(400, 300), QPointF(400, 300), QPoint(), QPoint(0, delta), Qt::NoButton,
                      modifiers, Qt::NoScrollPhase, false);
    event.ignore();
    QCoreApplication::sendEvent(window.PictureArea(), &event);
    return event.isAccepted();
  };
  EXPECT_TRUE(wheel(-120, Qt::NoModifier));
  EXPECT_EQ(AimStep, 2);
  EXPECT_TRUE(wheel(-120, Qt::ShiftModifier)) << "swallowed";
  EXPECT_EQ(AimStep, 2);

  QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
  QCoreApplication::sendEvent(&window, &right);
  EXPECT_EQ(AimStep, 0);
}

TEST_F(MainWindow, SpaceFiresOnlyOnThePlayScreen) {
  Press(Form1::KeySpace);
  EXPECT_FALSE(Ball.Flying);
  PlayScreenCurrent();
  NextColor = 2;
  Press(Form1::KeySpace);
  EXPECT_TRUE(Ball.Flying);
  EXPECT_EQ(CurColor, 2);
}

TEST_F(MainWindow, MouseEventsResetTheCursorAndReachTheCurrentScreenRoundedHalfToEven) {
  RecordingScreen recorder(log);
  AbsScreen* menu = Screens[ScreenMenu];
  Screens[ScreenMenu] = &recorder;
  fake.pointerVisible = false;
  window.Picture1_MouseMove(10.5f, 11.5f);
  EXPECT_TRUE(fake.pointerVisible);
  window.Picture1_MouseDown();
  window.Picture1_MouseUp();
  Screens[ScreenMenu] = menu;
  EXPECT_EQ(log, (EventLog{"move 10,12", "down", "up"}));
}

TEST_F(MainWindow, ATickPushesWhenDueThenDrawsThenPresentsAndIsNeverReentered) {
  RecordingScreen recorder(log);
  RecordingPresent present(log);
  ASSERT_TRUE(InitGraphics(&present, 800, 600));
  AbsScreen* menu = Screens[ScreenMenu];
  Screens[ScreenMenu] = &recorder;
  fake.onYield = [&] {
    log.push_back("push");
    window.Timer1_Timer();  // a tick falling due during the push's yield
  };

  PushLimit = 10;
  PushTick = 10;
  window.Timer1_Timer();
  EXPECT_EQ(PushTick, 10) << "equal is not yet due";
  PushTick = 11;
  window.Timer1_Timer();
  EXPECT_EQ(PushTick, 0);
  EXPECT_EQ(Board[CellIndex(0, 0)] != 0, true) << "two new rows came in";
  Screens[ScreenMenu] = menu;
  EXPECT_EQ(log, (EventLog{"draw", "present", "push", "draw", "present"}));
}

// What the window shows is read back from its backing store, the picture the display gets.
TEST_F(MainWindow, TheWindowShowsEveryPresentedFrameExactlyWhateverChanged) {
  window.show();
  for (int i = 0; i < 100 && !window.windowHandle()->isExposed(); ++i) {
    QCoreApplication::processEvents();
  }
  ASSERT_TRUE(window.windowHandle()->isExposed());
  const auto expectShown = [&](const char* what) {
    const QImage shown = window.screen()->grabWindow(window.winId(), 0, 0, 800, 600).toImage();
    EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32),
              BackBuffer()->convertToFormat(QImage::Format_RGB32))
        << what;
  };
  const BrushHandle red = MakeBrush(0, 0, 255, 255);
  const BrushHandle sea = MakeBrush(80, 48, 16, 255);

  window.Timer1_Timer();
  expectShown("the menu");
  FillRect(400, 300, 1, 1, red);
  Present();
  expectShown("one pixel");
  FillRect(0, 0, 3, 2, red);
  FillRect(790, 580, 10, 20, red);
  Present();
  expectShown("two far corners");
  Present();
  expectShown("nothing changed");
  FillRect(0, 0, 800, 600, sea);
  Present();
  expectShown("the whole frame");
  window.Timer1_Timer();
  expectShown("the menu again");
}

TEST_F(MainWindow, APushThatFindsNoRoomEndsTheGame) {
  Board[CellIndex(4, 13)] = 3;
  PushLimit = 0;
  PushTick = 1;
  EXPECT_THROW(window.Timer1_Timer(), ProgramEnded);
  ASSERT_FALSE(fake.messages.empty());
  EXPECT_EQ(fake.messages[0].text, "Game over");
}

TEST_F(MainWindow, ClosingStopsTheMusicAndEndsAtOnce) {
  EXPECT_THROW(window.Form_Unload(), ProgramEnded);
  EXPECT_EQ(fake.yields, 1);
  EXPECT_EQ(log.back(), "stop bgm");
}

}  // namespace
}  // namespace marlquin::test
