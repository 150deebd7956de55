#!/usr/bin/env bash
# Fuzzes each target of the core for long: scripts/fuzz-long.sh [SECONDS [TARGET...]] (default 600
# per target, every target).
# Builds the fuzz preset; grows each target's corpus in build/fuzz/corpus/TARGET, starting from
# its seeds in tests/fuzz/corpus/TARGET, so that a later run goes on from where this one stopped;
# keeps inputs that fail in build/fuzz/findings/TARGET and the output in build/fuzz/logs. Prints for
# each target the executions done and what was found; exits non-zero when anything was.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
targets=(integer_text settings_load month_grid wallpaper_layout own_days own_day_file settings_options era_list)
[ $# -le 1 ] || targets=("${@:2}")

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
mkdir -p build/fuzz/logs

summary=()
found=0
for target in "${targets[@]}"; do
  corpus=build/fuzz/corpus/$target
  findings=build/fuzz/findings/$target
  log=build/fuzz/logs/$target.log
  mkdir -p "$corpus" "$findings"
  corpora=("$corpus")
  if [ -d "tests/fuzz/corpus/$target" ]; then corpora+=("tests/fuzz/corpus/$target"); fi
  stamp=$(mktemp)

  echo "fuzz-long: $target for ${seconds}s, output in $log"
  # A finding stops the target early; the summary below tells.
  "build/fuzz/bin/${target}_fuzzer" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$findings/" "${corpora[@]}" >"$log" 2>&1 || true

  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  new_findings=$(find "$findings" -type f -newer "$stamp" | sort)
  rm -f "$stamp"
  if [ -n "$new_findings" ]; then
    found=1
    result="FOUND: $(echo "$new_findings" | tr '\n' ' ')"
  else
    result="nothing found"
  fi
  summary+=("$(printf '%-18s %12s executions, corpus %5s inputs, %s' "$target" "${executions:-?}" \
    "$(find "$corpus" -type f | wc -l)" "$result")")
done

echo
echo "fuzz-long: ${seconds}s per target"
printf '  %s\n' "${summary[@]}"
exit "$found"
