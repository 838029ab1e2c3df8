#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The program started where no display can be opened: one line on standard
# error naming xvfb-run, a non-zero exit, and no abort of the toolkit.
set -uo pipefail
program=$1
status=0

expect_explained() {
  local what=$1; shift
  local output code
  output=$("$@" 2>&1 >/dev/null)
  code=$?
  if [[ $code -eq 0 || $code -ge 128 ]]; then
    echo "FAIL $what: exit status $code"; status=1
  fi
  if [[ $(printf '%s\n' "$output" | wc -l) -ne 1 || $output != *"xvfb-run"* ]]; then
    echo "FAIL $what: expected one line naming xvfb-run, got:"; printf '%s\n' "$output"; status=1
  fi
}

expect_explained "no display set" env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program"
# A display that nobody serves: a socket name no X server uses.
expect_explained "unreachable display" env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
  DISPLAY=:"$((4000 + RANDOM % 1000))" "$program"
exit $status
