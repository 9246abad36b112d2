#!/usr/bin/env bash
# Makes Debian's Emscripten look like an Emscripten SDK folder, which Qt's
# configure and its CMake files insist on finding through EMSDK, and prints
# the folder.
#   web/emsdk.sh FOLDER
set -euo pipefail
mkdir -p "$1/upstream"
ln -sfn /usr/share/emscripten "$1/upstream/emscripten"
echo "EMSCRIPTEN_ROOT = emsdk_path + '/upstream/emscripten'" >"$1/.emscripten"
cd "$1" && pwd
