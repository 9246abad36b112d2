#!/usr/bin/env bash
# Builds Qt's base module for 64-bit Windows with MinGW-w64, static, from
# Debian's source of the qt6-base whose host tools this system has, and keeps
# it: the folder is named after that version and a hash of this script, the
# toolchain file and the patches, so it is built once and reused while those
# stay the same. apt's own sources are not touched: the source comes through
# a private apt configuration with a deb-src line. Prints the folder.
#   windows/build_qt.sh CACHE_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cache=$1
mkdir -p "$cache"
cache=$(cd "$cache" && pwd)

version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
key=$( (cat "$here/build_qt.sh" "$here/mingw-w64.cmake" "$here"/qt-patches/*.patch 2>/dev/null
        x86_64-w64-mingw32-g++-posix --version) | sha256sum | cut -c1-12)
prefix=$cache/qt-$version-mingw-$key
if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi

# Core, Gui, Widgets, Test, and the Windows and offscreen platforms; what
# Vexo does not use is left out.
options=(-release -static -static-runtime -unity-build
  -nomake tests -nomake examples -nomake benchmarks
  -no-opengl -no-dbus -no-icu -no-glib -no-zstd -no-libjpeg
  -qt-zlib -qt-libpng -qt-freetype -qt-harfbuzz -qt-pcre -qt-doubleconversion
  -no-feature-sql -no-feature-network -no-feature-printsupport -no-feature-concurrent
  -no-feature-xml -no-feature-vulkan
  # The Windows platform's tablet support needs the wintab headers, which
  # Debian's source leaves out.
  -no-feature-tabletevent
  # Vexo draws every window in Fusion.
  -no-feature-style-windowsvista -no-feature-style-windows11)

# A build that was killed leaves its folder behind; none takes this long.
find "$cache" -mindepth 1 -maxdepth 1 -type d -name 'build.*' -mmin +240 -exec rm -rf {} +
work=$(mktemp -d "$cache/build.XXXXXX")
trap 'rm -rf "$work"' EXIT
apt=$work/apt
mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial"
. /etc/os-release
for suite in "$VERSION_CODENAME" "$VERSION_CODENAME-updates"; do
  echo "deb-src http://deb.debian.org/debian $suite main"
done >"$apt/sources.list"
echo "deb-src http://deb.debian.org/debian-security $VERSION_CODENAME-security main" >>"$apt/sources.list"
aptopts=(-o "Dir::Etc::SourceList=$apt/sources.list" -o Dir::Etc::SourceParts=/dev/null
         -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt/cache" -o APT::Sandbox::User=root)
echo "Qt $version for Windows: fetching Debian's source" >&2
apt-get "${aptopts[@]}" -q update >&2
(cd "$work" && apt-get "${aptopts[@]}" -q source "qt6-base=$version" >&2)
source=$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)
for patch in "$here"/qt-patches/*.patch; do
  [ -e "$patch" ] || continue
  patch -d "$source" -p1 <"$patch" >&2
done

rm -rf "$prefix"
mkdir -p "$work/build"
echo "Qt $version for Windows: building (about 15 minutes on two cores)" >&2
started=$SECONDS
(cd "$work/build" && "$source/configure" "${options[@]}" -prefix "$prefix" -- -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64.cmake" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >"$work/configure.log" 2>&1) ||
  { tail -n 60 "$work/configure.log" >&2; exit 1; }
cmake --build "$work/build" --parallel >"$work/build.log" 2>&1 || { tail -n 60 "$work/build.log" >&2; exit 1; }
cmake --install "$work/build" >/dev/null
echo "Qt $version for Windows: built in $((SECONDS - started)) s" >&2
touch "$prefix/.complete"
# Builds of other versions, configurations or patches are not used again.
find "$cache" -mindepth 1 -maxdepth 1 -type d -name 'qt-*-mingw-*' ! -path "$prefix" \
  -exec rm -rf {} +
echo "$prefix"
