#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer + UndefinedBehaviorSanitizer) in
# build-fuzz/ and runs one of them for a fixed time on its seed corpus; any crash, sanitizer
# report or broken invariant ends the run with a non-zero status and leaves the input in
# build-fuzz/findings/.
# Usage: scripts/fuzz.sh TARGET SECONDS      (TARGET: fuzz_hid_descriptor, fuzz_ini_files,
#        scripts/fuzz.sh --all SECONDS        fuzz_echo, fuzz_battery_report, fuzz_skin_png;
#                                             --all: each in turn)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
targets=(fuzz_hid_descriptor fuzz_ini_files fuzz_echo fuzz_battery_report fuzz_skin_png)
if [ $# -ne 2 ]; then
  echo "usage: $0 TARGET|--all SECONDS" >&2
  exit 64
fi
if [ "$1" = "--all" ]; then
  run=("${targets[@]}")
else
  run=("$1")
fi
seconds=$2

"$root/scripts/deps.sh" --fuzz
dir="$root/build-fuzz"
CC=clang CXX=clang++ cmake -S "$root" -B "$dir" -DMOUSECFG_FUZZ=ON -DMOUSECFG_TESTS=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$dir" -j"$(nproc)" --target "${run[@]}"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1:malloc_context_size=5
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
mkdir -p "$dir/findings"
for target in "${run[@]}"; do
  corpus="$dir/corpus/$target"
  mkdir -p "$corpus"
  if [ -d "$root/tests/fuzz/seeds/$target" ]; then
    cp -n "$root/tests/fuzz/seeds/$target"/* "$corpus/"
  fi
  max_len=4096
  if [ "$target" = fuzz_ini_files ]; then
    # The files the program writes, and the shipped ones, each behind its kind byte.
    MOUSECFG_FUZZ_SEEDS="$corpus" "$dir/bin/$target"
    { printf '\x00'; cat "$root/data/Configs/Config.ini"; } > "$corpus/settings-shipped.ini"
    { printf '\x04'; cat "$root/data/DefaultProfile.bin"; } > "$corpus/model.bin"
    max_len=16384
  fi
  echo "== $target for ${seconds}s"
  "$dir/bin/$target" "$corpus" -max_total_time="$seconds" -max_len="$max_len" -timeout=10 \
    -rss_limit_mb=2048 -artifact_prefix="$dir/findings/$target-" -print_final_stats=1 2>&1 \
    | grep -v '^#[0-9]*.*\(NEW\|REDUCE\|pulse\)' || { echo "$target: FAILED" >&2; exit 1; }
done
