#!/bin/sh
# Every C++ source of the checkout is formatted as its .clang-format says, as
# clang-format 14 (Debian 12's) and 19 (Debian 13's) both format it: each of
# those that is installed checks. Other versions format some lines otherwise
# and do not decide.
#   format_check.sh <checkout>
set -eu
cd "$1"
checked=""
for version in 14 19; do
  command -v "clang-format-$version" >/dev/null || continue
  find app bench catalogue core fuzz meanings quiz reference tests tools ui words \
    -name '*.cpp' -o -name '*.h' | sort | xargs "clang-format-$version" --dry-run --Werror
  checked="$checked $version"
done
[ -n "$checked" ] || { echo "neither clang-format 14 nor 19 is installed: not checked"; exit 77; }
echo "formatted as clang-format$checked formats it"
