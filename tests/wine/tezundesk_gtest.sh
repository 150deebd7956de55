#!/usr/bin/env bash
# Runs TezunDesk's GoogleTest program in the prefix of TezunDesk's tests (state "desk"), with the
# samples' folder named for it, and stops that prefix's server and display afterwards.
# usage: tezundesk_gtest.sh WINE_RUN TREE TESTS_EXE SAMPLES_DIR [GTEST_ARGS...]
set -uo pipefail
wine_run=$1
tree=$2
tests=$3
samples=$4
shift 4
status=0
TEZUN_SAMPLES_DIR="Z:${samples//\//\\}" "$wine_run" --tree "$tree" --state desk "$tests" "$@" || status=$?
"$wine_run" --tree "$tree" --state desk --stop
exit "$status"
