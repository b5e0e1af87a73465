#!/usr/bin/env bash
# Runs clang-tidy with the committed .clang-tidy over every source of the
# project that a configured and built preset compiles (default build/ci: its
# compile_commands.json, generated headers and moc files), two files at a
# time. Generated sources under build/ are left out. Any finding fails.
# A second argument replaces the checks, e.g. '-*,bugprone-*,performance-*'.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build/ci}"
export TIDY_CHECKS="${2:-}"

mapfile -t files < <(python3 - "$build/compile_commands.json" "$PWD" <<'PY'
import json, os, sys
root = sys.argv[2] + os.sep
for entry in json.load(open(sys.argv[1])):
    path = os.path.normpath(os.path.join(entry["directory"], entry["file"]))
    if path.startswith(root) and not path.startswith(root + "build" + os.sep):
        print(path)
PY
)
[ ${#files[@]} -gt 0 ] || { echo "clang-tidy: no sources in $build" >&2; exit 1; }

# One file: its findings only (clang-tidy's counts of suppressed warnings of
# system headers are dropped), and its status.
tidy_one() {
  local output status=0
  local checks=()
  [ -n "$TIDY_CHECKS" ] && checks=("--checks=$TIDY_CHECKS")
  output=$(clang-tidy -p "$1" --quiet "${checks[@]}" "$2" 2>&1) || status=$?
  grep -v -e '^[0-9]* warnings\? generated\.$' -e '^Suppressed [0-9]* warnings' \
    -e '^Use -header-filter=' <<<"$output" || true
  return $status
}
export -f tidy_one
echo "clang-tidy: ${#files[@]} sources"
printf '%s\0' "${files[@]}" | xargs -0 -P 2 -I{} bash -c 'tidy_one "$0" "$1"' "$build" {}
