#!/usr/bin/env bash
# Sets up a Debian 12 or 13 machine for Vexo, builds it, and starts it or tests it.
#   ./build.sh run    install what is missing, build, start the program
#   ./build.sh test   install what is missing, build with sanitizers, run every test,
#                     build, check and install the Debian package
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-run}
# Package names that are the same on both releases; libclang-rt-dev follows
# the release's default clang.
packages=(cmake make g++ qt6-base-dev qt6-svg-dev qt6-wayland libgl-dev fonts-wine)
if [ "$mode" = test ]; then
  packages+=(libbenchmark-dev clang libclang-rt-dev desktop-file-utils appstream
             xvfb openbox xdotool sway wtype dbus at-spi2-core python3-gi gir1.2-atspi-2.0 libxcb1-dev
             build-essential dpkg-dev debhelper lintian git)
fi

./tools/install_missing.sh "${packages[@]}"

jobs=$(nproc)
case "$mode" in
  run)
    cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DVEXO_BUILD_TESTS=OFF -DVEXO_BUILD_BENCH=OFF
    cmake --build build/release -j "$jobs" --target vexo
    exec ./build/release/app/vexo
    ;;
  test)
    cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEXO_SANITIZE=ON
    cmake --build build/test -j "$jobs"
    (cd build/test && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs")
    # A short fuzzing pass over the catalogue, the substitutes and the word test.
    ./tools/fuzz.sh 10
    # The Debian package, and Vexo built as part of another CMake project.
    ./tools/check_package.sh
    ./tools/check_subproject.sh
    ;;
  *)
    echo "usage: $0 [run|test]" >&2
    exit 2
    ;;
esac
