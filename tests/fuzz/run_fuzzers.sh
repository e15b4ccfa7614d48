#!/usr/bin/env bash
# Runs every fuzz target for a bounded time on a copy of its seeds and prints its executions.
# Usage: run_fuzzers.sh <build folder> <seconds per target>
# The repository's corpus is never written to; a failing input is kept in
# <build folder>/fuzz-artifacts/ and the run fails.
set -euo pipefail
build=$1
seconds=${2:-30}
here=$(cd "$(dirname "$0")" && pwd)
targets="profile_file show_list floating_number show_item_path launch_script remote_command http_api osc_packet"
work=$(mktemp -d "${TMPDIR:-/tmp}/quadrel-fuzz-XXXXXX")
trap 'rm -rf "$work"' EXIT
artifacts="$build/fuzz-artifacts"
mkdir -p "$artifacts"

total=0
for name in $targets; do
  mkdir -p "$work/$name"
  cp "$here/corpus/$name"/* "$work/$name/"
  log="$work/$name.log"
  if ! "$build/bin/fuzz_$name" "$work/$name" -max_total_time="$seconds" -max_len=8192 \
      -timeout=25 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$artifacts/$name-" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "fuzz_$name: FAILED; the input is in $artifacts" >&2
    exit 1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  corpus=$(ls "$work/$name" | wc -l)
  total=$((total + runs))
  printf 'fuzz_%-16s %10d executions in %s s, corpus %d inputs, no property broken\n' \
    "$name" "$runs" "$seconds" "$corpus"
done
printf 'all fuzz targets: %d executions\n' "$total"
