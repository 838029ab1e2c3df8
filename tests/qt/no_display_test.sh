#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The program started where no display can be opened: one line on standard
# error naming xvfb-run, a non-zero exit, and no abort of the toolkit; the
# commands that open no window answer there all the same, never taking a word
# for a file to open.
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

# Without any display: the command's exit status and the start of its output.
expect_answer() {
  local what=$1 code=$2 start=$3; shift 3
  local output got
  output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" 2>&1)
  got=$?
  if [[ $got -ne $code || $output != "$start"* ]]; then
    echo "FAIL $what: exit status $got (not $code), output:"; printf '%s\n' "$output"; status=1
  fi
}

expect_answer "--help" 0 "uso: portanza-pali" "$program" --help
expect_answer "-h" 0 "uso: portanza-pali" "$program" -h
expect_answer "--version" 0 "portanza-pali " "$program" --version
expect_answer "an unknown option" 2 "portanza-pali: opzione non ammessa: --foo" "$program" --foo
expect_answer "two files for the window" 2 "portanza-pali: la finestra apre un solo file" "$program" a.pali b.pali
exit $status
