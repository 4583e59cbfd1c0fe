// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The five screens of the game, the table through which the window reaches the current
// one, and the switch between them (an assignment to CurScreen by whoever decides it).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "shell/AbsScreen.h"

namespace marlquin {

class clsMenusrc;
class clsPlaysrc;
class clsHighScroesrc;
class clsPauseDlg;
class clsDlg;

inline constexpr uint8_t ScreenMenu = 0;
inline constexpr uint8_t ScreenPlay = 1;
inline constexpr uint8_t ScreenHighScore = 2;
inline constexpr uint8_t ScreenPause = 3;
inline constexpr uint8_t ScreenDialog = 4;

extern std::array<AbsScreen*, 5> Screens;
extern uint8_t CurScreen;
extern int32_t ReturnAskId;  // the message dialog's id for the return-to-menu question

extern clsMenusrc* MenuScreen;
extern clsPlaysrc* PlayScreen;
extern clsHighScroesrc* HighScoreScreen;
extern clsPauseDlg* PauseDialog;
extern clsDlg* MessageDialog;

// An empty screen table and the menu current, as at start.
void ResetScreens();

// Loads the hand cursor, creates the five screens and sets up the menu and the table.
void Startup();
// The pictures that InitGraphics and then Startup load, in their order.
std::vector<std::string> StartupPictures();

// The message dialog's answer: 1 first button, 2 second, 0 neither.
void OnDialogClosed(int32_t answer);

}  // namespace marlquin
