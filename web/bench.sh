#!/usr/bin/env bash
# The web build's size and speed, on Debian 13: builds the site as
# ./build.sh web does and a bare Qt window's beside it, then measures with
# web/tests/bench.mjs in headless Chromium what the first visit transfers and
# how soon the first window is drawn, interleaved runs and medians.
#   web/bench.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
./build.sh web
./tools/install_missing.sh chromium nodejs npm python3
qt_cache=${VEXO_QT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/vexo}
VEXO_WEB_QT=$(tools/build_qt.sh web "$qt_cache")
EMSDK=$(web/emsdk.sh "$qt_cache/emsdk")
export VEXO_WEB_QT EMSDK
cmake --build --preset web-bench
(cd web/tests && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error)
node web/tests/bench.mjs build/web build/web-build/bare-site /usr/bin/chromium "${1:-7}"
