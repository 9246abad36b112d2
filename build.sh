#!/usr/bin/env bash
# Sets up a Debian machine for Vexo, builds it, and starts it, tests it or
# makes it for Windows.
#   ./build.sh run       Debian 12 or 13: install what is missing, build, start the program
#   ./build.sh test      Debian 12 or 13: install what is missing, build with sanitizers,
#                        run every test, build, check and install the Debian package
#   ./build.sh windows   Debian 13: install what is missing, build Qt for Windows once,
#                        cross-build Vexo: build/windows/vexo-<version>-setup.exe and
#                        build/windows/vexo-<version>-windows-x86_64.zip
#   ./build.sh web       Debian 13: install what is missing, build Qt for the web once,
#                        build Vexo with Emscripten: the static site build/web/
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-run}
# Package names that are the same on both releases; libclang-rt-dev follows
# the release's default clang.
packages=(cmake make g++ qt6-base-dev qt6-svg-dev qt6-wayland libgl-dev fonts-wine)
case "$mode" in
  run) ;;
  test)
    packages+=(libbenchmark-dev clang libclang-rt-dev clang-format desktop-file-utils appstream
               xvfb openbox xdotool x11-utils sway wtype dbus at-spi2-core python3-gi gir1.2-atspi-2.0
               libxcb1-dev build-essential dpkg-dev debhelper lintian git)
    ;;
  windows | web)
    . /etc/os-release
    if [ "${ID:-}" != debian ] || [ "${VERSION_ID:-13}" -lt 13 ] 2>/dev/null; then
      echo "./build.sh $mode needs Debian 13 (trixie) or later; this is ${PRETTY_NAME:-another system}" >&2
      exit 1
    fi
    ;;&
  windows)
    # The compilers, the host's Qt tools (which must match the Qt source),
    # nanosvg, the font, the icon and installer tools, and what apt needs to
    # fetch and unpack Debian's source of Qt.
    packages=(cmake ninja-build g++-mingw-w64-x86-64-posix mingw-w64-tools
              qt6-base-dev qt6-base-dev-tools libnanosvg-dev fonts-wine
              librsvg2-bin icoutils nsis dpkg-dev xz-utils)
    ;;
  web)
    # Emscripten, the host's Qt tools (which must match the Qt source),
    # nanosvg, the font, the icon tool, and what fetches Debian's source of Qt.
    packages=(cmake ninja-build emscripten qt6-base-dev qt6-base-dev-tools libnanosvg-dev
              fonts-wine librsvg2-bin dpkg-dev xz-utils)
    ;;
  *)
    echo "usage: $0 [run|test|windows|web]" >&2
    exit 2
    ;;
esac

./tools/install_missing.sh "${packages[@]}"
# Debian 13 on has nanosvg, which draws the pictures for Windows: the tests
# check that it draws them as Qt's SVG module does.
if [ "$mode" = test ] && apt-cache show libnanosvg-dev >/dev/null 2>&1; then
  ./tools/install_missing.sh libnanosvg-dev
fi

qt_cache=${VEXO_QT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/vexo}
case "$mode" in
  run)
    cmake --preset release
    cmake --build --preset release -j "$(nproc)"
    exec ./build/release/app/vexo
    ;;
  test)
    cmake --preset test
    cmake --build --preset test -j "$(nproc)"
    ctest --preset test -j "$(nproc)"
    # A short fuzzing pass over the substitutes and the word test.
    ./tools/fuzz.sh 10
    # The Debian package, and Vexo built as part of another CMake project.
    ./tools/check_package.sh
    ./tools/check_subproject.sh
    ;;
  windows)
    # Built once, and kept outside the build tree for the next run.
    VEXO_WINDOWS_QT=$(tools/build_qt.sh windows "$qt_cache")
    export VEXO_WINDOWS_QT
    # A build tree made against another Qt is made anew.
    if [ -f build/windows/CMakeCache.txt ] &&
      ! grep -qF "CMAKE_TOOLCHAIN_FILE:FILEPATH=$VEXO_WINDOWS_QT/" build/windows/CMakeCache.txt; then
      rm -rf build/windows
    fi
    cmake --preset windows
    cmake --build --preset windows
    ls -l build/windows/vexo-*-setup.exe build/windows/vexo-*-windows-x86_64.zip
    ;;
  web)
    VEXO_WEB_QT=$(tools/build_qt.sh web "$qt_cache")
    EMSDK=$(web/emsdk.sh "$qt_cache/emsdk")
    export VEXO_WEB_QT EMSDK
    if [ -f build/web-build/CMakeCache.txt ] &&
      ! grep -qF "CMAKE_TOOLCHAIN_FILE:FILEPATH=$VEXO_WEB_QT/" build/web-build/CMakeCache.txt; then
      rm -rf build/web-build
    fi
    cmake --preset web
    cmake --build --preset web
    ls -l build/web
    echo "Try it: python3 -m http.server -d build/web, then open http://localhost:8000/"
    ;;
esac
