#!/usr/bin/env bash
# Builds Qt's base module, static, from Debian's source of the qt6-base whose
# host tools this system has, for 64-bit Windows (MinGW-w64) or for the web
# (Emscripten), and keeps it: the folder is named after that version, the
# target and a hash of what decides the build (this script, the toolchain,
# the compiler's version), so it is built once and reused while those stay the
# same. apt's own sources are not touched: the source comes through a private
# apt configuration with a deb-src line. Prints the folder.
#   tools/build_qt.sh windows|web CACHE_DIR
# A build that fails leaves its configure and build logs in
# CACHE_DIR/failed-TARGET/; one build at a time of a target runs per cache.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
target=$1
cache=$2
mkdir -p "$cache"
cache=$(cd "$cache" && pwd)
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH 2>/dev/null)
version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)

# What Vexo does not use is left out on both: databases, the network,
# printing, XML, threads' helpers, ICU, D-Bus, JPEG.
options=(-release -static -nomake tests -nomake examples -nomake benchmarks
  -no-dbus -no-icu -no-glib -no-zstd -no-libjpeg
  -qt-zlib -qt-libpng -qt-freetype -qt-pcre -qt-doubleconversion
  -no-feature-sql -no-feature-network -no-feature-printsupport -no-feature-concurrent
  -no-feature-xml
  # A record of the third-party code configured in, for the notices of
  # every program built on it.
  -sbom)
cmake_options=(-DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$multiarch/cmake")
# A sed script run on the web platform's CMakeLists.txt before Qt is configured.
source_edit=""
case "$target" in
  windows)
    toolchain=$here/windows/mingw-w64.cmake
    compiler=$(x86_64-w64-mingw32-g++-posix --version)
    options+=(-static-runtime -unity-build -qt-harfbuzz -no-opengl -no-feature-vulkan
      # The Windows platform's tablet support needs the wintab headers, which
      # Debian's source leaves out.
      -no-feature-tabletevent
      # Vexo draws every window in Fusion.
      -no-feature-style-windowsvista -no-feature-style-windows11)
    minutes=15
    ;;
  web)
    # Qt's configure finds Emscripten through an SDK folder; Debian's
    # Emscripten is made to look like one (web/emsdk.sh).
    EMSDK=$("$here/web/emsdk.sh" "$cache/emsdk")
    export EMSDK
    toolchain=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake
    compiler=$(emcc --version | head -n 1)
    # Single-threaded, so that any static host serves it without special
    # headers. Fusion only, no
    # image formats but the PNG that Qt Gui reads itself, no tests under a
    # browser, none of the text formats Vexo never reads or writes: each
    # left out is code the first visit does not download.
    options+=(-platform wasm-emscripten -no-feature-thread
      # Vexo's captions are Latin text in its own font, drawn without
      # shaping: HarfBuzz and the DejaVu fonts that Qt's web platform
      # carries as a fallback would be a fifth of the download.
      -no-feature-harfbuzz
      -no-feature-graphicsview -no-feature-graphicseffect
      # Widgets Vexo never shows, which the styles and the screen-reader
      # support would otherwise take along.
      -no-feature-mdiarea -no-feature-dockwidget -no-feature-splitter -no-feature-toolbox
      -no-feature-treeview -no-feature-tableview -no-feature-columnview
      -no-feature-calendarwidget -no-feature-datetimeedit -no-feature-lcdnumber -no-feature-dial
      -no-feature-keysequenceedit -no-feature-fontcombobox -no-feature-errormessage
      -no-feature-textbrowser -no-feature-completer
      -no-feature-jalalicalendar -no-feature-islamiccivilcalendar
      -no-feature-testlib -no-feature-gif -no-feature-ico -no-feature-imageformatplugin
      -no-feature-textmarkdownreader -no-feature-textmarkdownwriter -no-feature-textodfwriter
      -no-feature-pdf -no-feature-movie
      -no-feature-sessionmanager -no-feature-filesystemwatcher -no-feature-mimetype
      -no-feature-printdialog -no-feature-printpreviewdialog -no-feature-colordialog
      -no-feature-fontdialog -no-feature-filedialog -no-feature-wizard
      -no-feature-undocommand -no-feature-undostack -no-feature-undogroup -no-feature-undoview)
    source_edit='/^qt_internal_add_resource(QWasmIntegrationPlugin "wasmfonts"/,/^)/d'
    minutes=10
    ;;
  *)
    echo "usage: $0 windows|web CACHE_DIR" >&2
    exit 2
    ;;
esac

# The key: what decides the build, and nothing else, so that a comment here
# does not build Qt again.
key=$( (printf '%s\n' "${options[@]}" "${cmake_options[@]}" "$source_edit" "$compiler"
        cat "$toolchain"
        [ "$target" != web ] || cat "$here/web/emsdk.sh") | sha256sum | cut -c1-12)
prefix=$cache/qt-$version-$target-$key
if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi
# Another build of the same target waits for this one, then takes its result;
# a build that holds the lock for two hours has hung.
exec {lock}>"$cache/.lock-$target"
flock -w 7200 "$lock" ||
  { echo "Qt for $target: another build has held $cache/.lock-$target for two hours" >&2; exit 1; }
if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi

# A build that was killed leaves its folder behind; under the lock none is
# still running.
rm -rf "$cache"/build-"$target".*
work=$(mktemp -d "$cache/build-$target.XXXXXX")
logs=$cache/failed-$target
failed() {
  rm -rf "$logs" && mkdir -p "$logs"
  cp "$work"/*.log "$logs"/ 2>/dev/null || true
  tail -n 60 "$1" >&2
  echo "Qt for $target: the build failed; its whole logs are in $logs" >&2
  exit 1
}
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
echo "Qt $version for $target: fetching Debian's source" >&2
apt-get "${aptopts[@]}" -q update >&2
(cd "$work" && apt-get "${aptopts[@]}" -q source "qt6-base=$version" >"$work/source.log" 2>&1) ||
  failed "$work/source.log"
source=$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)
[ -z "$source_edit" ] || sed -i "$source_edit" "$source/src/plugins/platforms/wasm/CMakeLists.txt"

rm -rf "$prefix"
mkdir -p "$work/build"
echo "Qt $version for $target: building (about $minutes minutes on two cores)" >&2
started=$SECONDS
(cd "$work/build" && "$source/configure" "${options[@]}" -prefix "$prefix" -- -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" "${cmake_options[@]}" >"$work/configure.log" 2>&1) ||
  failed "$work/configure.log"
cmake --build "$work/build" --parallel >"$work/build.log" 2>&1 || failed "$work/build.log"
cmake --install "$work/build" >/dev/null
# What was configured in, for whoever reads the notices of a program built on it.
cp "$work/build/config.summary" "$prefix/"
echo "Qt $version for $target: built in $((SECONDS - started)) s" >&2
rm -rf "$logs"
touch "$prefix/.complete"
# Builds of other versions or configurations for this target are not used again.
find "$cache" -mindepth 1 -maxdepth 1 -type d -name "qt-*-$target-*" ! -path "$prefix" \
  -exec rm -rf {} +
echo "$prefix"
