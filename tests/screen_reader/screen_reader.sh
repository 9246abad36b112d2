#!/usr/bin/env bash
# Runs check.py against the program as a screen reader sees it: a private X
# display with a window manager, a D-Bus session and the accessibility bus.
#   screen_reader.sh <path to vexo>
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")

for tool in Xvfb openbox xdotool dbus-run-session /usr/libexec/at-spi-bus-launcher; do
  command -v "$tool" >/dev/null || { echo "missing: $tool" >&2; exit 1; }
done

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 GSETTINGS_BACKEND=memory
dbus-run-session -- bash -c '
  openbox >/dev/null 2>&1 &
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  sleep 1
  status=0
  /usr/bin/python3 "$0/check.py" "$1" || status=$?
  kill %1 %2 2>/dev/null
  exit $status
' "$here" "$program"
