#!/usr/bin/env bash
# Runs each libFuzzer target of the fuzz preset for a bounded time and prints its figures.
#   bash scripts/fuzz.sh [seconds per target, default 60] [target ...]
# The committed seeds under tests/fuzz/corpus/<target>/ are only read; what the fuzzer learns
# goes to build/fuzz/corpus/<target>/ and is kept for the next run. An input that breaks a
# promise is saved as build/fuzz/artifacts/<target>-crash-*, and the script fails.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
shift || true
targets=("$@")
[ "${#targets[@]}" -gt 0 ] || targets=(number_text whole_run)

status=0
for target in "${targets[@]}"; do
  binary="build/fuzz/tests/fuzz/${target}_fuzz"
  work="build/fuzz/corpus/${target}"
  log="build/fuzz/${target}.log"
  mkdir -p "$work" build/fuzz/artifacts
  echo "fuzz: ${target} for ${seconds} s"
  if "$binary" "$work" "tests/fuzz/corpus/${target}" \
      -dict="tests/fuzz/${target}.dict" -max_total_time="$seconds" -timeout=10 \
      -print_final_stats=1 -artifact_prefix="build/fuzz/artifacts/${target}-" >"$log" 2>&1; then
    grep -E '^(Done|stat::number_of_executed_units|stat::average_exec_per_sec|stat::new_units_added)' \
      "$log" | sed "s/^/fuzz: ${target}: /"
  else
    echo "fuzz: ${target} FAILED; the end of ${log}:"
    tail -n 40 "$log"
    status=1
  fi
done
exit "$status"
