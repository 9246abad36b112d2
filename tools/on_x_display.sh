#!/usr/bin/env bash
# Runs a command on a private X display (Xvfb), with openbox as its window
# manager when asked; the display goes when the command ends, and the
# command's status is this script's.
#   tools/on_x_display.sh [--wm] [--screen WIDTHxHEIGHT] COMMAND...
set -euo pipefail
wm=false
screen=1280x1024
while [ $# -gt 0 ]; do
  case "$1" in
    --wm) wm=true; shift ;;
    --screen) screen=$2; shift 2 ;;
    *) break ;;
  esac
done
exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 "${screen}x24" -nolisten tcp >/dev/null 2>&1 &
pids=($!)
trap 'kill "${pids[@]}" 2>/dev/null || true' EXIT
if ! read -r -t 20 -u "$fd" display; then
  echo "on_x_display.sh: Xvfb did not start a display within 20 s" >&2
  exit 1
fi
export DISPLAY=:$display
if $wm; then
  openbox >/dev/null 2>&1 &
  pids+=($!)
  sleep 1
fi
"$@"
