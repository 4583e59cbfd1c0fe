#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Marlquin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Each system call of a high-score write and of a game save fails in turn, with each of
# EIO, ENOSPC and EACCES, injected by strace into the game's own code (the test binary's
# one-write driver). Every run must end normally, leave no temporary file, and either keep
# the score and the game or tell the player, with the old files kept byte for byte.
# Usage: inject.sh TEST_BINARY
set -euo pipefail
TESTS=$1
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
export ASAN_OPTIONS=detect_leaks=0  # the leak checker cannot run under a tracer
fail() { echo "FAIL ($CASE): $*" >&2; exit 1; }

rows() { for s in "$@"; do printf 'Cy\r\n000%s\r\nd\r\n' "$s"; done; }
rows 900 800 700 600 500 > "$WORK/old_table"
{ printf 'Ann\r\n004200\r\n05/12/2026\r\n'; rows 900 800 700 600; } > "$WORK/new_table"
head -c 364 /dev/zero | tr '\0' x > "$WORK/old_game"
runs=0 refused=0
for syscall in openat write fsync rename close; do
  for error in EIO ENOSPC EACCES; do
    for file in Bubble.rec save/old.sv; do
      CASE="$syscall $error $file"
      dir="$WORK/$runs"
      mkdir -p "$dir/save"
      cp "$WORK/old_table" "$dir/Bubble.rec"
      cp "$WORK/old_game" "$dir/save/old.sv"
      MARLQUIN_INJECT_DIR=$dir strace -f -o /dev/null -P "$dir/$file" -P "$dir/$file.tmp" \
        -e inject="$syscall:error=$error" "$TESTS" --gtest_filter=PlayerFiles.OneTableWriteAndOneSave \
        > "$WORK/out" 2>&1 || fail "the run failed: $(tail -5 "$WORK/out")"
      grep -q '^\[  PASSED  \] 1 test' "$WORK/out" || fail "the driver did not run: $(cat "$WORK/out")"
      told=$(grep '^told: ' "$WORK/out" || true)
      [ -z "$(find "$dir" -name '*.tmp')" ] || fail "a temporary file was left: $(find "$dir" -name '*.tmp')"
      if ! cmp -s "$dir/Bubble.rec" "$WORK/new_table"; then  # not kept: said so, and nothing lost
        grep -q "Bubble.rec" <<< "$told" || fail "the score was not kept and nobody was told: $told"
        kept=no
        for f in "$dir"/Bubble.rec*; do cmp -s "$f" "$WORK/old_table" && kept=yes; done
        [ $kept = yes ] || fail "the old table was lost"
      fi
      if cmp -s "$dir/save/old.sv" "$WORK/old_game"; then
        grep -q "could not be saved to $dir/save/old.sv" <<< "$told" || fail "the save failed silently: $told"
      else
        [ "$(stat -c %s "$dir/save/old.sv")" = 364 ] || fail "the saved game is not whole"
        grep -q "Game has been saved to $dir/save/old.sv" <<< "$told" || fail "not told the game was saved: $told"
      fi
      [ "$file" = Bubble.rec ] || cmp -s "$dir/Bubble.rec" "$WORK/new_table" || fail "the table failed without an injection"
      grep -q 'not\|kept as' <<< "$told" && refused=$((refused + 1))
      runs=$((runs + 1))
    done
  done
done
echo "$runs injected runs passed, $refused of them told the player of a failure"
[ "$refused" -eq "$runs" ] || fail "an injection did not reach the write"
