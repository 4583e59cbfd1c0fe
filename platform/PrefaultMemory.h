// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Fresh memory costs a page fault for each page on its first write; a picture the size of
// the window takes hundreds. Asking the system for all of a buffer's pages at once costs a
// fraction of that, which start-up spends for each large picture and the back buffer.
#pragma once

#include <cstddef>

namespace marlquin {

// Maps every whole page of the buffer for writing now. Where the system cannot, the pages
// come one fault at a time as before.
void PrefaultForWriting(void* start, size_t bytes);

}  // namespace marlquin
