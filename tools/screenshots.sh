#!/usr/bin/env bash
# The README's pictures of every window, taken from the screen as it is drawn
# there: builds vexo-screenshots and runs it on a private X display with
# openbox as its window manager (needs xvfb and openbox).
#   tools/screenshots.sh [folder]   (default docs)
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/release
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)" --target vexo-screenshots >/dev/null

QT_QPA_PLATFORM=xcb exec tools/on_x_display.sh --wm "$build/tools/vexo-screenshots" "${1:-docs}"
