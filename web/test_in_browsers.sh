#!/usr/bin/env bash
# Tests Vexo's web site in Debian's Chromium and Firefox ESR, headless, on
# Debian 13: builds it as ./build.sh web does, installs the browsers and
# Puppeteer (from npm, at the version web/tests/package-lock.json pins; it
# drives the installed browsers and downloads none), then runs the drill of
# web/tests/drill.mjs in each, on the site served as plain files.
#   web/test_in_browsers.sh
set -euo pipefail
cd "$(dirname "$0")/.."
./build.sh web
# Everything of Qt's built into the program has its notice on the site.
qt=$(tools/build_qt.sh web "${VEXO_QT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/vexo}")
status=0
tools/check_notices.sh "$qt" build/web/THIRD-PARTY-NOTICES.txt || status=1
./tools/install_missing.sh chromium firefox-esr nodejs npm python3 ca-certificates
(cd web/tests && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error)
node web/tests/drill.mjs build/web chromium /usr/bin/chromium || status=1
node web/tests/drill.mjs build/web firefox /usr/bin/firefox-esr || status=1
exit $status
