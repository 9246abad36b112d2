#!/usr/bin/env bash
# Runs check.py against the program as a screen reader sees it: a private
# display with a window manager, a D-Bus session and the accessibility bus.
# The display is X11 (Xvfb and openbox), or with --wayland a headless sway.
#   screen_reader.sh [--wayland] <path to vexo>
set -euo pipefail
wayland=false
if [ "${1:-}" = --wayland ]; then
  wayland=true
  shift
fi
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")

tools=(dbus-run-session /usr/libexec/at-spi-bus-launcher)
if $wayland; then tools+=(sway wtype runuser); else tools+=(Xvfb openbox xdotool xwininfo); fi
for tool in "${tools[@]}"; do
  command -v "$tool" >/dev/null || { echo "missing: $tool, so not checked" >&2; exit 77; }
done

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 GSETTINGS_BACKEND=memory
# Inside the D-Bus session: the accessibility bus, then the check.
session='
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  sleep 1
  status=0
  /usr/bin/python3 "$0/check.py" "$1" || status=$?
  kill $(jobs -p) 2>/dev/null
  exit $status'

if ! $wayland; then
  QT_QPA_PLATFORM=xcb exec "$here/../../tools/on_x_display.sh" --wm \
    dbus-run-session -- bash -c "$session" "$here" "$program"
fi

# sway will not run as root: then the compositor, the program and the check
# run as nobody, from copies that user can read.
work=$(mktemp -d)
sway_pid=""
trap '[ -z "$sway_pid" ] || kill $sway_pid 2>/dev/null; rm -rf "$work"' EXIT
cp "$program" "$here/check.py" "$work/"
mkdir -m 700 "$work/runtime"
printf 'output HEADLESS-1 resolution 1280x1024\nxwayland disable\n' >"$work/sway.config"
as=()
if [ "$(id -u)" -eq 0 ]; then
  chown -R nobody "$work"
  as=(runuser -u nobody --)
fi
"${as[@]}" env HOME="$work" XDG_RUNTIME_DIR="$work/runtime" WLR_BACKENDS=headless \
  WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman sway -c "$work/sway.config" >"$work/sway.log" 2>&1 &
sway_pid=$!
socket=""
for _ in $(seq 100); do
  socket=$(cd "$work/runtime" && ls wayland-? 2>/dev/null | head -n 1 || true)
  [ -z "$socket" ] || break
  sleep 0.1
done
[ -n "$socket" ] || { echo "sway did not start:" >&2; cat "$work/sway.log" >&2; exit 1; }
"${as[@]}" env HOME="$work" XDG_RUNTIME_DIR="$work/runtime" WAYLAND_DISPLAY="$socket" \
  QT_QPA_PLATFORM=wayland dbus-run-session -- bash -c "$session" "$work" "$work/$(basename "$program")"
