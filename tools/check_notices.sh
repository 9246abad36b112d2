#!/usr/bin/env bash
# Checks a package's third-party notices against the static Qt it was built
# with: every piece of third-party code that Qt build records as configured
# in (its SPDX document), and every library it bundled (libQt6Bundled*.a),
# is named in the notices.
#   check_notices.sh <Qt prefix> <THIRD-PARTY-NOTICES.txt>
set -uo pipefail
qt=$1
notices=$2
status=0
[ -s "$notices" ] || { echo "FAIL no notices in $notices"; exit 1; }
names=$(awk '/^    Name: / { print substr($0, 11) }' "$qt"/sbom/qtbase-*.spdx | sort -u)
[ -n "$names" ] || { echo "FAIL $qt/sbom names no third-party code"; exit 1; }
count=0
while IFS= read -r name; do
  count=$((count + 1))
  grep -qxF "$name" "$notices" || { echo "FAIL the notices leave out Qt's $name"; status=1; }
done <<<"$names"
for library in "$qt"/lib/libQt6Bundled*.a; do
  name=$(basename "$library" .a | sed 's/^libQt6Bundled//' | tr '[:upper:]' '[:lower:]')
  if grep -qiE "^(Files:|[[:space:]]).*src/3rdparty/$name" "$notices"; then
    echo "ok   the notices give the copyright and licence of the bundled $name"
  else
    echo "FAIL the notices leave out the bundled $name"
    status=1
  fi
done
[ "$status" -ne 0 ] || echo "ok   the notices name all $count pieces of third-party code in Qt"
exit "$status"
