#!/usr/bin/env bash
# Runs a Windows test program under Wine, for ctest, as the emulator of the
# Windows build. Wine keeps Qt's variables (QT_*) from Windows programs, so
# they are set on the Windows side, by a batch file that quotes every value
# (spaces, & and % included); and Qt Test's report, which Wine loses on the
# way to a pipe, goes to a file that is printed afterwards.
#   wine_run.sh PROGRAM.exe [ARGUMENT...]
set -uo pipefail
program=$1
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
report=$work/report.txt
# In a batch file "%%" is a percent sign; inside quotes & and spaces are text.
quoted() {
  local text=${1//%/%%}
  printf '"%s"' "$text"
}
{
  printf '@echo off\r\n'
  while IFS='=' read -r name _; do
    printf 'set %s\r\n' "$(quoted "$name=${!name}")"
  done < <(env | grep -o '^QT_[A-Z_0-9]*=' || true)
  printf '%s' "$(quoted "$(winepath -w "$program")")"
  for argument in "$@"; do
    printf ' %s' "$(quoted "$argument")"
  done
  printf ' -o %s\r\n' "$(quoted "$(winepath -w "$report"),txt")"
  printf 'exit /b %%errorlevel%%\r\n'
} >"$work/run.bat"
status=0
wine cmd /c "$(winepath -w "$work/run.bat")" || status=$?
cat "$report" 2>/dev/null
exit "$status"
