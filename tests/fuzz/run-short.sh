#!/usr/bin/env bash
# Runs a fuzz target briefly, as a test: FUZZER SECONDS FINDINGS [SEEDS]. New inputs go to a
# scratch corpus, never into the seeds in the source tree; an input that fails the target is kept
# in the folder FINDINGS, and the test fails with it.
set -euo pipefail
fuzzer=$1 seconds=$2 findings=$3 seeds=${4:-}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$findings"
corpora=("$scratch")
if [ -n "$seeds" ] && [ -d "$seeds" ]; then corpora+=("$seeds"); fi
"$fuzzer" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 -artifact_prefix="$findings/" "${corpora[@]}"
