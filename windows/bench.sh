#!/usr/bin/env bash
# Vexo's start-up on Windows, as Wine shows it, on Debian 13: the time from
# start to the first mapped window of vexo.exe and of a bare Qt window built
# with the same static Qt, started in turn (interleaved, medians of 11) on a
# private X display, with Wine's server already running as it is on a
# desktop; and the two programs' sizes.
#   windows/bench.sh
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${VEXO_WINE_DISPLAY:-}" ]; then
  ./tools/install_missing.sh wine wine64 xvfb libxcb1-dev g++
  ./build.sh windows >/dev/null
  # The bare window is built in the same tree, then left out again.
  cmake --preset windows -DVEXO_BUILD_BENCH=ON >/dev/null
  cmake --build build/windows --target vexo vexo-bare-window >/dev/null
  cmake --preset windows >/dev/null
  VEXO_WINE_DISPLAY=1 exec tools/on_x_display.sh --screen 1920x1080 "$PWD/windows/bench.sh"
fi

work=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" XDG_RUNTIME_DIR=$work
g++ -O2 -std=c++20 bench/first_window.cpp -lxcb -o "$work/first-window"
wineboot --init >/dev/null 2>&1
wineserver --wait
wineserver --persistent
for program in app/vexo bench/vexo-bare-window; do
  name=$(basename "$program")
  printf '#!/bin/sh\nexec wine "%s"\n' "$PWD/build/windows/$program.exe" >"$work/$name"
  chmod +x "$work/$name"
  printf '%-20s %6.1f MB\n' "$name.exe" "$(stat -c %s "build/windows/$program.exe" | awk '{ print $1 / 1e6 }')"
done
# One start of each first, so that Wine has its own files in the page cache.
"$work/first-window" --runs 1 "$work/vexo" "$work/vexo-bare-window" >/dev/null
"$work/first-window" --runs 11 "$work/vexo" "$work/vexo-bare-window" | sed -n '/^medians/,$p'
