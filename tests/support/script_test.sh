# What the project's shell tests share; they source it. A scratch folder, $work, removed when the
# test ends, and fail, which says what is wrong and goes on, so that one run reports every fault:
# the test ends with `exit "$status"`.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
fail() {
  echo "FAIL: $*"
  status=1
}
