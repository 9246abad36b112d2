#!/usr/bin/env bash
# Builds the Debian package from a copy of this checkout, checks it with
# lintian (no errors, no warnings), installs it, asks the installed program
# its version and removes it again, unless it was installed before. Needs
# dpkg-dev, debhelper and lintian, and root (or sudo) to install. A Vexo that
# was installed before is packed up first with dpkg-repack and put back.
set -euo pipefail
cd "$(dirname "$0")/.."

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/vexo"
# The files of the checkout, committed or not, without build trees.
git ls-files -z --cached --others --exclude-standard | xargs -0 cp --parents -t "$work/vexo"
(cd "$work/vexo" && dpkg-buildpackage -us -uc -b)

version=$(dpkg-parsechangelog -S Version)
deb="$work/vexo_${version}_$(dpkg-architecture -qDEB_HOST_ARCH).deb"
lintian --fail-on error,warning --info "$deb"

sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
apt_get() { $sudo env DEBIAN_FRONTEND=noninteractive apt-get -y -q "$@"; }
before=""
if dpkg-query -W -f='${Status}' vexo 2>/dev/null | grep -q "install ok installed"; then
  ./tools/install_missing.sh dpkg-repack
  mkdir "$work/before"
  (cd "$work/before" && $sudo dpkg-repack vexo >/dev/null)
  before=$(ls "$work"/before/vexo_*.deb)
fi
restore() {
  if [ -n "$before" ]; then
    apt_get install --allow-downgrades --no-install-recommends "$before" >/dev/null
  else
    apt_get remove vexo >/dev/null
  fi
}
trap 'restore; rm -rf "$work"' EXIT
apt_get install --allow-downgrades --no-install-recommends "$deb"
answer=$(vexo --version)
expected="Vexo ${version%-*}"
if [ "$answer" != "$expected" ]; then
  echo "the installed vexo answers '$answer', not '$expected'" >&2
  exit 1
fi
dpkg -L vexo | grep -q "/man6/vexo.6"
afterwards="removed again"
[ -z "$before" ] || afterwards="the Vexo installed before is put back"
echo "package $(basename "$deb") builds, passes lintian, installs and answers '$answer'; $afterwards"
