#!/bin/sh
# --help and --version answer and a mistake exits with 2, all without a window:
# with no display at all, where opening one would fail.
#   command_line.sh <path to vexo> <version>
set -eu
vexo=$1
unset DISPLAY WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb
[ "$("$vexo" --version)" = "Vexo $2" ]
"$vexo" --help | grep -q -- "--version"
for mistake in --no-such-option a-file; do
  status=0
  "$vexo" "$mistake" 2>/dev/null || status=$?
  [ "$status" -eq 2 ] || { echo "vexo $mistake exited with $status" >&2; exit 1; }
done
# Without a display: one line that names the display tried, and status 1, not an abort.
for display in "" ":9999"; do
  status=0
  said=$(DISPLAY=$display "$vexo" 2>&1) || status=$?
  [ "$status" -eq 1 ] && [ "$(printf '%s\n' "$said" | wc -l)" -eq 1 ] &&
    printf '%s' "$said" | grep -q "graphical session" &&
    printf '%s' "$said" | grep -q "X11 ${display:+display \"$display\"}" ||
    { echo "with DISPLAY='$display' vexo exited with $status, saying: $said" >&2; exit 1; }
done
