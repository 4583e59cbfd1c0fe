#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Marlquin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails, naming them, when tests of the build folder carry no CTest label: CI's sanitized
# pass chooses its tests by label, so an unlabelled test would silently run in one pass only.
# Usage: tools/check-labels.sh BUILD-FOLDER
set -euo pipefail
# -LE . leaves out every test with a label: what remains has none.
unlabelled=$(ctest --test-dir "$1" -N -LE . | sed -nE 's/^ *Test +#[0-9]+: //p')
if [ -n "$unlabelled" ]; then
  echo "Tests without a label (CONTRIBUTING.md lists the labels and what each holds):" >&2
  echo "$unlabelled" | sed 's/^/  /' >&2
  exit 1
fi
