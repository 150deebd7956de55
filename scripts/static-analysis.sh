#!/usr/bin/env bash
# Static analysis of the project's own sources; exits non-zero on any finding.
#
#   clang-tidy, with the checks of .clang-tidy, over the compile databases of three build trees:
#     native  src/core, TezunDesk's core (src/desk), tools/reducebench, tests/native
#     win64   the Windows code (src/graphics, render, forms, plugin, desk), tools/tezunhost, tests/wine
#     fuzz    tests/fuzz
#   cppcheck, with the suppressions of cppcheck-suppressions.txt, over src, tools and tests.
#
# usage: scripts/static-analysis.sh [clang-tidy|cppcheck]     (default: both)
#
# The build trees must be configured first; scripts/test-all.sh builds them all. When a compile
# database is missing the script exits 77, which CTest reports as a skipped test.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD
jobs=$(nproc)
tools=("$@")
[ ${#tools[@]} -gt 0 ] || tools=(clang-tidy cppcheck)

# The project's .cpp files under the given folders (an extended regex) of a tree's database, less
# those an earlier tree's run analysed: the platform-neutral code compiled in two trees is the same
# code in both, and one run sees it all.
analysed=$(mktemp)
trap 'rm -f "$analysed"' EXIT
database_files() {
  local tree=$1 folders=$2 file
  grep -o '"file": "[^"]*"' "build/$tree/compile_commands.json" | sed 's/^"file": "//; s/"$//' | sort -u |
    while read -r file; do
      file=${file#"$top"/}
      if [[ $file =~ ^($folders)/.*\.cpp$ ]] && ! grep -qxF "$file" "$analysed"; then echo "$file"; fi
    done
}

# Runs clang-tidy, one file per core, on the project's files of a tree's compile database under
# the given folders, with the tree's compile commands and the extra arguments that follow.
tidy() {
  local tree=$1 folders=$2 files
  shift 2
  mapfile -t files < <(database_files "$tree" "$folders")
  printf '%s\n' "${files[@]}" >>"$analysed"
  if [ ${#files[@]} -eq 0 ]; then
    echo "clang-tidy: build/$tree/compile_commands.json names no file of $folders" >&2
    return 1
  fi
  local start=$SECONDS status=0
  # clang-tidy counts on stderr the warnings it generated inside system headers; they are not
  # findings and are left out. Its exit status, and so xargs', still tells of any finding.
  printf '%s\n' "${files[@]}" |
    xargs -d '\n' -n 1 -P "$jobs" clang-tidy -p "build/$tree" --quiet --warnings-as-errors='*' "$@" 2>&1 |
    { grep -Ev '^[0-9]+ warnings? (generated|treated as errors)\.$' || true; } || status=1
  echo "clang-tidy: ${#files[@]} files of build/$tree, $((SECONDS - start)) s"
  return "$status"
}

run_clang_tidy() {
  local status=0
  # The native tree is compiled by g++, which gives the core's texts.cpp -fexec-charset=CP932.
  # clang accepts only UTF-8 there; a later -fexec-charset=UTF-8 overrides it, and nothing the
  # checks look at depends on the bytes of the literals.
  tidy native 'src/core|src/desk|tools/reducebench|tests/native' --extra-arg=-fexec-charset=UTF-8 || status=1

  # The win64 tree is compiled by MinGW's g++. clang parses the same code for the MinGW target
  # with MinGW's own libstdc++ and Windows headers; -nostdlibinc keeps clang's builtin headers
  # (intrinsics, stddef.h) but drops the host's /usr/include. The core was analysed above.
  local triplet=x86_64-w64-mingw32 cxx
  cxx=$("$triplet-g++-posix" -print-file-name=include)/c++
  tidy win64 'src/graphics|src/render|src/forms|src/plugin|src/desk|tools/tezunhost|tests/wine' \
    --extra-arg-before=--target="$triplet" --extra-arg=-nostdlibinc --extra-arg=-isystem"$cxx" \
    --extra-arg=-isystem"$cxx/$triplet" --extra-arg=-isystem"$cxx/backward" \
    --extra-arg=-idirafter"/usr/$triplet/include" --extra-arg=-fexec-charset=UTF-8 || status=1

  # The fuzz tree is compiled by clang already.
  tidy fuzz 'tests/fuzz' || status=1
  return "$status"
}

run_cppcheck() {
  echo "cppcheck: src tools tests"
  # Firm findings only (no --inconclusive). The platform is the product's: 32-bit Windows with
  # the ANSI interface. windows.cfg and googletest.cfg tell cppcheck what the Win32 functions and
  # the test macros do, in place of headers it does not read.
  cppcheck --quiet --error-exitcode=1 -j "$jobs" --std=c++20 --language=c++ --platform=win32A \
    --library=windows --library=googletest --enable=warning,style,performance,portability \
    --inline-suppr --suppressions-list=cppcheck-suppressions.txt \
    --template='{file}:{line}:{column}: {severity}: {message} [{id}]' \
    -I src -I tests -I tests/wine -I tools/tezunhost src tools tests 2>&1
}

# Checks the arguments, and that clang-tidy has its compile databases, before anything runs.
for tool in "${tools[@]}"; do
  case $tool in
    clang-tidy)
      for tree in native win64 fuzz; do
        if [ ! -f "build/$tree/compile_commands.json" ]; then
          echo "static-analysis: build/$tree has no compile_commands.json; configure the $tree preset first" >&2
          exit 77
        fi
      done
      ;;
    cppcheck) ;;
    *)
      echo "usage: $0 [clang-tidy|cppcheck]" >&2
      exit 2
      ;;
  esac
done

status=0
for tool in "${tools[@]}"; do
  start=$SECONDS
  result=0
  case $tool in
    clang-tidy) run_clang_tidy || result=1 ;;
    cppcheck) run_cppcheck || result=1 ;;
  esac
  if [ $result -eq 0 ]; then
    echo "$tool: no findings ($((SECONDS - start)) s)"
  else
    echo "$tool: FINDINGS ($((SECONDS - start)) s)"
    status=1
  fi
done
exit $status
