#!/bin/sh
# The command line keeps its word: --help, --help-all and --version answer
# and a mistake exits with 2, all without a window, with no display at all;
# a window that cannot open ends the program with status 1, in one line where
# no display is named, in Qt's own lines where one is.
#   command_line.sh <path to vexo> <version>
set -eu
vexo=$1
here=$(dirname "$0")
unset DISPLAY WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb
fail() { echo "$*" >&2; exit 1; }

[ "$("$vexo" --version)" = "Vexo $2" ] || fail "--version does not answer Vexo $2"
help=$("$vexo" --help)
for option in --version --help-all; do
  printf '%s\n' "$help" | grep -q -- "$option" || fail "--help does not list $option"
done
all=$(timeout 20 "$vexo" --help-all) || fail "--help-all did not answer"
printf '%s\n' "$all" | grep -q -- "--platform" || fail "--help-all lists no Qt option"
for mistake in --no-such-option a-file; do
  status=0
  "$vexo" "$mistake" 2>/dev/null || status=$?
  [ "$status" -eq 2 ] || fail "vexo $mistake exited with $status"
done

# No display named: one line, status 1, not an abort.
status=0
said=$("$vexo" 2>&1) || status=$?
[ "$status" -eq 1 ] && [ "$(printf '%s\n' "$said" | wc -l)" -eq 1 ] &&
  printf '%s' "$said" | grep -q "no graphical session" ||
  fail "with no display vexo exited with $status, saying: $said"
# A display named that does not answer: Qt's lines, then status 1.
status=0
said=$(DISPLAY=:9999 "$vexo" 2>&1) || status=$?
[ "$status" -eq 1 ] && printf '%s' "$said" | grep -q "could not connect to display" &&
  ! printf '%s' "$said" | grep -q "no graphical session" ||
  fail "with DISPLAY=:9999 vexo exited with $status, saying: $said"

# A platform that does not exist, with a display that works: Qt's lines,
# which name the platforms there are.
command -v Xvfb >/dev/null || { echo "Xvfb is missing: the last check is skipped"; exit 77; }
status=0
said=$("$here/../tools/on_x_display.sh" "$vexo" -platform nosuch 2>&1) || status=$?
[ "$status" -eq 1 ] && printf '%s' "$said" | grep -q "Available platform plugins are:.*xcb" ||
  fail "with -platform nosuch vexo exited with $status, saying: $said"
