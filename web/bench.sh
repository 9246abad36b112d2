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
# The bare window's site, in the tree ./build.sh web configured.
cmake --build build/web-build --target vexo-bare-window_site
(cd web/tests && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error)
node web/tests/bench.mjs build/web build/web-build/bare-site /usr/bin/chromium "${1:-7}"
