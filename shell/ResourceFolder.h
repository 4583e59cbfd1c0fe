// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The folder of pictures and sounds beside the program: without it there is nothing to
// play, so start-up checks for it before anything is drawn.
#pragma once

namespace marlquin {

// True when the folder is there; otherwise the player is told where it was looked for.
bool CheckResourceFolder();

}  // namespace marlquin
