#!/usr/bin/env bash
# Builds for Windows as ./build.sh windows does, with the tests, and tests
# the build under Wine, on Debian 13:
#  - every Qt Test program, cross-built and run by ctest under Wine;
#  - the notices of the Qt built in, checked against that Qt build;
#  - the installer, run silently in a fresh Wine prefix: files, Start menu
#    entry and the uninstaller's registration with Windows;
#  - with the installed program running, the installer and the uninstaller
#    refuse, with status 3, and change nothing;
#  - the installed vexo.exe, started on a private X display with a window
#    manager and drilled from the keyboard as a user would, its links opened
#    through the shell, a picture taken, closed;
#  - --version answered in a message box, as a Windows program does;
#  - the uninstaller, run silently;
#  - an install in a folder of the user's choosing, upgraded there, and
#    installed over with the same version;
#  - the zip, unpacked into a folder of any name, its program started.
#   windows/test_under_wine.sh [picture.png]   (default build/windows/vexo-under-wine.png)
set -euo pipefail
cd "$(dirname "$0")/.."
checkout=$PWD
picture=$(realpath -m "${1:-build/windows/vexo-under-wine.png}")

if [ -z "${VEXO_WINE_DISPLAY:-}" ]; then
  # Vexo and its installer are 64-bit: Wine's 64-bit part runs them, also
  # where the kernel runs no 32-bit programs.
  ./tools/install_missing.sh wine wine64 xvfb openbox xdotool imagemagick unzip \
    tesseract-ocr
  ./build.sh windows
  cmake --build --preset windows-test
  VEXO_WINE_DISPLAY=1 exec tools/on_x_display.sh --wm "$checkout/windows/test_under_wine.sh" "$picture"
fi

work=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
# No Mono or Gecko to offer, no Wayland to look for, no noise.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" XDG_RUNTIME_DIR=$work
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
visible() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true; }
# Prints the first visible window of that name within 30 s.
wait_for_window() {
  local window=""
  for _ in $(seq 60); do
    window=$(visible "$1")
    [ -n "$window" ] && break
    sleep 0.5
  done
  printf '%s' "$window"
}
# Waits until the program ends, as it should within 30 s, with status 0.
ends_well() {
  local status=0
  timeout 30 tail --pid="$1" -f /dev/null || { fail "$2 did not end"; return; }
  wait "$1" || status=$?
  [ "$status" -eq 0 ] || fail "$2 ended with status $status"
}
# Waits, up to a minute, until every program in the Wine prefix has ended.
settle() { timeout 60 wineserver --wait || fail "Wine's programs did not end within a minute"; }
new_prefix() {
  export WINEPREFIX=$work/$1
  timeout 300 wineboot --init >/dev/null 2>&1 || fail "Wine made no prefix $1 within 5 minutes"
  settle
}
# Runs the installer or the uninstaller: its status, 124 if it did not end
# within 2 minutes (as when a silent run shows a dialog after all).
setup() {
  local status=0
  timeout 120 wine "$@" || status=$?
  [ "$status" -ne 124 ] || echo "$* did not end within 2 minutes" >&2
  return "$status"
}

# The installer, the zip, the program and notices they hold, their version and
# Qt, as CMake named them: never an older build's left beside them.
. build/windows/windows/packages.sh

echo "== the Qt Test programs under Wine"
new_prefix tests
ctest --preset windows -j "$(nproc)" || fail "a Qt Test program failed under Wine"

echo "== the notices of what vexo.exe carries"
tools/check_notices.sh "$qt" "$notices" ||
  fail "the notices leave out code built into vexo.exe"

echo "== the installer, silently, in a fresh prefix"
new_prefix install
setup "$installer" /S || fail "the installer exited with $?"
settle
unix() { winepath --unix "$(timeout 60 wine cmd /c echo "$1" 2>/dev/null | tr -d '\r')"; }
home=$(unix '%LOCALAPPDATA%')/Programs/Vexo
menu=$(unix '%APPDATA%')/Microsoft/Windows/Start\ Menu/Programs
files=("$home/vexo.exe" "$home/uninstall.exe" "$home/LICENSE.txt" "$home/THIRD-PARTY-NOTICES.txt"
       "$menu/Vexo.lnk")
for file in "${files[@]}"; do
  [ -f "$file" ] || fail "the installer wrote no $file"
done
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vexo'
registered=$(wine reg query "$key" 2>/dev/null | tr -d '\r')
for value in "DisplayName +REG_SZ +Vexo$" "DisplayVersion +REG_SZ +$version$" \
             "Publisher +REG_SZ +Tobrin$" "DisplayIcon +REG_SZ +.*vexo\.exe,0$" \
             "UninstallString +REG_SZ +.*uninstall\.exe\"$" "EstimatedSize +REG_DWORD +0x[0-9a-f]*[1-9a-f]"; do
  printf '%s\n' "$registered" | grep -Eq "^ +$value" || fail "no uninstall entry like '$value'"
done

echo "== the installed program, drilled from the keyboard"
# The shell hands links to Wine's browser helper, which is told to ask these
# by their paths: a browser or mailer on the machine is never started.
mkdir -p "$work/bin"
for opener in xdg-open:Browsers xdg-email:Mailers; do
  printf '#!/bin/sh\necho "%s $*" >>"%s"\n' "${opener%:*}" "$work/links" >"$work/bin/${opener%:*}"
  chmod +x "$work/bin/${opener%:*}"
  wine reg add 'HKCU\Software\Wine\WineBrowser' /v "${opener#*:}" /d "$work/bin/${opener%:*}" /f \
    >/dev/null 2>&1
done
wine "$home/vexo.exe" &
program=$!
window=$(wait_for_window '^Vexo$')
[ -n "$window" ] || { fail "no window mapped"; exit 1; }
keys() {
  xdotool key --clearmodifiers --delay 150 "$@"
  sleep 1
}
sleep 2
# Three answers in the flag quiz, then Shift+Tab to Stats, whose title counts them.
xdotool type --delay 200 'abc'
keys shift+Tab Return
stats=$(visible '^Score ')
[ -n "$stats" ] && xdotool getwindowname "$stats" | grep -q ': [0-3] of 3$' ||
  fail "the score chart does not count three answers: '$(xdotool getwindowname "$stats" 2>/dev/null)'"
keys Escape
[ -z "$(visible '^Score ')" ] || fail "Escape left the score chart open"
mkdir -p "$(dirname "$picture")"
import -frame -window "$window" "$picture" && echo "picture: $picture"
# To the word quiz by the selector, an answer there.
xdotool windowactivate --sync "$window" 2>/dev/null || true
keys Tab Tab Tab alt+Down Down Return
words=$(visible '^Vexo$')
[ -n "$words" ] && [ "$words" != "$window" ] || fail "the word quiz did not come"
xdotool type --delay 150 'knot'
keys Return
# The verdict as the window shows it, read off its picture: "Correct!" or
# "Your answer "knot" was WRONG.", then "Score is 0/1". OCR misreads a letter
# at one scale or another: any of three readings that has it all will do.
import -window "$words" "$work/verdict.png"
verdict=""
for scale in "-resize 200%" "-resize 300%" "-resize 400% -threshold 50%"; do
  # shellcheck disable=SC2086
  convert "$work/verdict.png" $scale -colorspace Gray "$work/reading.png"
  reading=$(tesseract "$work/reading.png" - 2>/dev/null | tr '\n' ' ')
  verdict+="[$reading] "
  grep -Eq '(Correct!|["“”]knot["“”] *was WRONG)[.,]? *Score is [01O] ?/ ?1\b' <<<"$reading" && break
  reading=""
done
if [ -z "$reading" ]; then
  cp "$work/verdict.png" "$(dirname "$picture")/word-quiz-verdict.png"
  fail "the word quiz shows no verdict on 'knot': $verdict (its picture: word-quiz-verdict.png)"
fi
# While Vexo runs, the installer and the uninstaller refuse and change nothing.
status=0
setup "$installer" /S || status=$?
[ "$status" -eq 3 ] || fail "with Vexo running, the installer ended with $status, not 3"
status=0
setup "$home/uninstall.exe" /S "_?=$(winepath -w "$home")" || status=$?
[ "$status" -eq 3 ] || fail "with Vexo running, the uninstaller ended with $status, not 3"
sleep 2
for file in "${files[@]}"; do
  [ -f "$file" ] || fail "with Vexo running, $file went"
done
wine reg query "$key" >/dev/null 2>&1 || fail "with Vexo running, the uninstall entry went"
xdotool windowactivate --sync "$words" 2>/dev/null || true
# The flags listing by its access key, and Escape.
keys alt+h
[ -n "$(visible '^Flags Listing$')" ] || fail "Alt+H opened no flags listing"
keys Escape
[ -z "$(visible '^Flags Listing$')" ] || fail "Escape left the flags listing open"
# About by its access key: both links go to the shell, Escape closes it.
keys alt+a
[ -n "$(visible '^About Vexo$')" ] || fail "Alt+A opened no About window"
keys Tab Return Tab Return
sleep 2
grep -q "xdg-email mailto:vexo@tobrin.net?SUBJECT=VEXO.EXE" "$work/links" 2>/dev/null ||
  fail "the e-mail link did not reach the shell"
grep -q "xdg-open http://www.tobrin.net/vexo" "$work/links" 2>/dev/null ||
  fail "the web link did not reach the shell"
keys Escape
sleep 1
# Closing the mode window ends the program.
xdotool windowactivate --sync "$words" 2>/dev/null || true
keys alt+F4
ends_well "$program" "the installed program, closed,"

echo "== --version, in a message box"
wine "$home/vexo.exe" --version &
program=$!
[ -n "$(wait_for_window '^Vexo$')" ] || fail "--version showed no message box"
sleep 1
keys Return
ends_well "$program" "--version"

echo "== the uninstaller, silently"
setup "$home/uninstall.exe" /S || fail "the uninstaller exited with $?"
# It handed its work to a copy of itself, which may not have started yet.
sleep 3
settle
for file in "${files[@]}"; do
  [ ! -e "$file" ] || fail "the uninstaller left $file"
done
! wine reg query "$key" >/dev/null 2>&1 || fail "the uninstaller left the uninstall entry"

echo "== an install in a folder of the user's choosing, upgraded and installed over"
new_prefix upgrade
setup "$installer" /S '/D=C:\Sailing\Vexo' || fail "the installer into C:\Sailing\Vexo exited with $?"
settle
chosen=$(winepath --unix 'C:\Sailing\Vexo')
default=$(unix '%LOCALAPPDATA%')/Programs/Vexo
[ -f "$chosen/vexo.exe" ] || fail "/D=C:\Sailing\Vexo wrote no vexo.exe there"
# As an earlier version would have left it, then the upgrade, then the same again.
wine reg add "$key" /v DisplayVersion /d 1.3.5 /f >/dev/null 2>&1
for round in upgrade "same version"; do
  printf 'an older vexo.exe' >"$chosen/vexo.exe"
  setup "$installer" /S || fail "the $round exited with $?"
  settle
  [ ! -e "$default" ] || fail "the $round wrote a second Vexo into $default"
  cmp -s "$chosen/vexo.exe" "$built_exe" ||
    fail "the $round left the old vexo.exe in $chosen"
  wine reg query "$key" /v DisplayVersion 2>/dev/null | tr -d '\r' | grep -Eq "REG_SZ +$version$" ||
    fail "after the $round the uninstall entry is not of version $version"
  wine reg query "$key" /v InstallLocation 2>/dev/null | tr -d '\r' | grep -qF 'C:\Sailing\Vexo' ||
    fail "after the $round the uninstall entry does not point at C:\Sailing\Vexo"
done

echo "== the zip, from a folder of any name"
new_prefix zip
folder="$work/any folder, ünïcode"
mkdir -p "$folder"
unzip -q "$zip" -d "$folder"
[ -f "$folder/Vexo/THIRD-PARTY-NOTICES.txt" ] || fail "the zip holds no THIRD-PARTY-NOTICES.txt"
exe=$(find "$folder" -name vexo.exe | head -n 1)
if [ -z "$exe" ]; then
  fail "the zip holds no vexo.exe"
else
  wine "$exe" &
  program=$!
  window=$(wait_for_window '^Vexo$')
  if [ -n "$window" ]; then
    xdotool windowactivate --sync "$window" 2>/dev/null || true
    keys alt+F4
  else
    fail "the program from the zip mapped no window"
  fi
  ends_well "$program" "the program from the zip"
fi

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed under Wine" >&2
  exit 1
fi
echo "the Windows build passes under Wine"
