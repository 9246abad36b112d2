#!/bin/sh
# Every C++ source of the checkout is formatted as its .clang-format says.
#   format_check.sh <checkout>
set -eu
cd "$1"
command -v clang-format >/dev/null || { echo "clang-format is missing: not checked"; exit 77; }
find app bench catalogue core fuzz meanings quiz reference tests tools ui words \
  -name '*.cpp' -o -name '*.h' | sort | xargs clang-format --dry-run --Werror
