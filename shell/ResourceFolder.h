// The folder of pictures and sounds beside the program: without it there is nothing to
// play, so start-up checks for it before anything is drawn.
#pragma once

namespace marlquin {

// True when the folder is there; otherwise the player is told where it was looked for.
bool CheckResourceFolder();

}  // namespace marlquin
