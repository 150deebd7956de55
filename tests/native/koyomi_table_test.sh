#!/usr/bin/env bash
# The committed src/core/koyomi_table.cpp is, byte for byte, what tools/koyomi/generate.js writes.
# Without node or the generator's package the table cannot be checked, and that is a failure with
# its reason, never a skip: the table would go unchecked.
# usage: koyomi_table_test.sh TOP
set -uo pipefail
top=$1
generator=$top/tools/koyomi
table=$top/src/core/koyomi_table.cpp

if ! command -v node >/dev/null; then
  echo "FAIL: node is not installed, so the table cannot be regenerated (scripts/install-deps.sh installs it)"
  exit 1
fi
package=$generator/node_modules/astronomy-engine/package.json
if [ ! -f "$package" ]; then
  echo "FAIL: $generator has no node_modules/astronomy-engine (scripts/install-deps.sh runs npm ci there)"
  exit 1
fi
pinned=$(node -p "require('$generator/package-lock.json').packages['node_modules/astronomy-engine'].version")
installed=$(node -p "require('$package').version")
if [ "$pinned" != "$installed" ]; then
  echo "FAIL: astronomy-engine $installed is installed, the lock file pins $pinned (run npm ci in $generator)"
  exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if ! node "$generator/generate.js" "$work/koyomi_table.cpp" 2>"$work/err"; then
  echo "FAIL: the generator failed: $(cat "$work/err")"
  exit 1
fi
if ! cmp -s "$work/koyomi_table.cpp" "$table"; then
  echo "FAIL: $table is not what the generator writes; regenerate it (node tools/koyomi/generate.js $table):"
  diff "$table" "$work/koyomi_table.cpp" | head -n 20
  exit 1
fi
echo "koyomi_table: the committed table is the generator's output (astronomy-engine $installed)"
