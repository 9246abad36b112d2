#!/usr/bin/env bash
# Sets up a Debian machine for Vexo, builds it, and starts it or tests it.
#   ./build.sh run       Debian 12 or 13: install what is missing, build, start the program
#   ./build.sh test      Debian 12 or 13: install what is missing, build with sanitizers,
#                        run every test, build, check and install the Debian package
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
               xvfb openbox xdotool sway wtype dbus at-spi2-core python3-gi gir1.2-atspi-2.0
               libxcb1-dev build-essential dpkg-dev debhelper lintian git)
    ;;
  *)
    echo "usage: $0 [run|test]" >&2
    exit 2
    ;;
esac

./tools/install_missing.sh "${packages[@]}"

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
esac
