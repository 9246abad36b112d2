#!/usr/bin/env bash
# Builds a small parent project that takes this checkout in with
# add_subdirectory, as another CMake project would, and runs it: Vexo's
# sources are found from its own folder, its tests are left out, and its
# library and program build.
set -euo pipefail
checkout=$(cd "$(dirname "$0")/.." && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/parent"
cat >"$work/parent/CMakeLists.txt" <<CMAKE
cmake_minimum_required(VERSION 3.25)
project(Parent LANGUAGES CXX)
add_subdirectory("$checkout" vexo)
add_executable(parent main.cpp)
target_link_libraries(parent PRIVATE Vexo::lib)
CMAKE
cat >"$work/parent/main.cpp" <<'CPP'
#include "catalogue/flags.h"

int main()
{
    return vexo::FlagName(QStringLiteral("a")) == QStringLiteral("Alpha") ? 0 : 1;
}
CPP
cmake -S "$work/parent" -B "$work/build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$work/build" -j "$(nproc)" --target parent vexo
"$work/build/parent"
if [ -e "$work/build/vexo/tests" ]; then
  echo "the parent project built Vexo's tests" >&2
  exit 1
fi
echo "a parent project builds Vexo with add_subdirectory"
