// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PrefaultMemory.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

namespace marlquin {

void PrefaultForWriting(void* start, size_t bytes) {
#ifdef MADV_POPULATE_WRITE
  const auto page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
  const auto begin = reinterpret_cast<uintptr_t>(start);
  const uintptr_t first = (begin + page - 1) & ~(page - 1);
  const uintptr_t end = (begin + bytes) & ~(page - 1);
  // The call takes whole pages; the part pages at either end fault as before, and so does
  // all of it on a kernel older than 5.14, which refuses.
  if (end > first) madvise(reinterpret_cast<void*>(first), end - first, MADV_POPULATE_WRITE);
#else
  (void)start;
  (void)bytes;
#endif
}

}  // namespace marlquin
