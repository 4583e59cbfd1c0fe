// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Picture files decoded on a worker thread ahead of their loading, while the game's thread
// starts the drawing layer and its fonts. The worker only decodes, into images of its own;
// every load still runs on the game's one thread, in its own order, and waits for the
// worker where it is not done yet, so the game's logic stays single-threaded.
#pragma once

#include <QImage>
#include <optional>
#include <string>
#include <vector>

namespace marlquin {

// The picture in the file, read as the format its name says: Qt then decodes it with its
// own reader instead of first loading every image plugin to ask it. A null image when the
// file is something else (a load that asks them all may still read it).
QImage ReadAsNamed(const std::string& path);
// Starts decoding the files on a worker, in this order (after ending any earlier worker).
void DecodeAhead(std::vector<std::string> paths);
// The picture decoded ahead for this file, once the worker has it; nothing when it was not
// asked for, was taken already or could not be read (the load then reads it itself and
// reports why).
std::optional<QImage> TakeDecodedAhead(const std::string& path);
// Waits for the worker and drops what no load took.
void EndDecodingAhead();

}  // namespace marlquin
