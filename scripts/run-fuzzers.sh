#!/usr/bin/env bash
# Runs each fuzz target for a bounded time on a copy of its seed corpus and
# prints the executions it made. Any finding fails the run.
set -euo pipefail
build=$1
seconds=${2:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
status=0
for fuzzer in "$build"/tests/fuzz/fuzz_*; do
  [ -x "$fuzzer" ] || continue
  name=$(basename "$fuzzer"); name=${name#fuzz_}
  work=$(mktemp -d)
  cp -r "$root/tests/fuzz/corpus/$name/." "$work/" 2>/dev/null || true
  build=$(cd "$build" && pwd)
  log="$build/fuzz-$name.log"
  if "$fuzzer" "$work" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$build/crash-$name-" >"$log" 2>&1; then
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo "?")
    echo "fuzz $name: $runs executions, no finding"
  else
    echo "fuzz $name: FINDING (see $log)"; tail -n 30 "$log"; status=1
  fi
  rm -rf "$work"
done
exit $status
