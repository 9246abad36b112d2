#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each one on a copy of its seed corpus.
#   tools/fuzz.sh [seconds-per-target]   (default 10)
# Exits non-zero when a target finds a crash; the crashing inputs are kept in build/fuzz/crashes.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-10}
if ! [[ "$seconds" =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: $0 [seconds-per-target]" >&2
  exit 2
fi

build=build/fuzz
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"

export QT_QPA_PLATFORM=offscreen
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
crashes="$build/crashes"
mkdir -p "$crashes"

# One run per core at a time; each writes its log and exit status into $work.
# The program's texts are short; long inputs would only slow the search.
run() {
  local target=$1 status=0
  "$build/fuzz/$target" -max_total_time="$seconds" -max_len=1024 \
    -artifact_prefix="$crashes/$target-" "$work/$target" >"$work/$target.log" 2>&1 || status=$?
  echo "$status" >"$work/$target.rc"
}

targets=()
for seeds in fuzz/corpus/*/; do
  target=$(basename "$seeds")
  targets+=("$target")
  mkdir "$work/$target"
  cp "$seeds"* "$work/$target/"
  while [ "$(jobs -rp | wc -l)" -ge "$(nproc)" ]; do
    wait -n || true
  done
  echo "== $target: $seconds s"
  run "$target" &
done
wait

failed=()
for target in "${targets[@]}"; do
  if [ "$(cat "$work/$target.rc" 2>/dev/null)" = 0 ]; then
    echo "$target: $(grep '^Done' "$work/$target.log")"
  else
    failed+=("$target")
    echo "$target: FAILED" >&2
    tail -n 40 "$work/$target.log" >&2
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "crashes in: ${failed[*]} (inputs in $crashes)" >&2
  exit 1
fi
echo "no crashes"
