#!/usr/bin/env bash
# The benchmarks, each measured side by side with its baseline in one run: the low-colour
# reduction against libjpeg's own tools (native, optimised, no sanitizers), then the composer and
# the placement window under Wine. Nothing here is a test: read the ratios.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset bench >/dev/null
cmake --build --preset bench >/dev/null
build/bench/bin/reducebench
echo
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target tezunhost Tezun >/dev/null
scripts/wine-run build/win64/bin/tezunhost.exe bench
