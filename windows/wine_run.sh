#!/usr/bin/env bash
# Runs a Windows test program under Wine, for ctest, as the emulator of the
# Windows build. Wine keeps Qt's variables (QT_*) from Windows programs, so
# they are set on the Windows side; and Qt Test's report, which Wine loses
# on the way to a pipe, goes to a file that is printed afterwards.
#   wine_run.sh PROGRAM.exe [ARGUMENT...]
set -uo pipefail
program=$1
shift
report=$(mktemp --suffix=.txt)
trap 'rm -f "$report"' EXIT
line=""
while IFS='=' read -r name _; do
  line+="set $name=${!name}&& "
done < <(env | grep '^QT_[A-Z_0-9]*=' || true)
line+="$(winepath -w "$program")"
for argument in "$@"; do
  line+=" $argument"
done
line+=" -o $(winepath -w "$report"),txt"
status=0
wine cmd /c "$line" || status=$?
cat "$report"
exit "$status"
