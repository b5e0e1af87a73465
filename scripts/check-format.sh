#!/usr/bin/env bash
# Fails when a C++ source of the project is not formatted by .clang-format.
# With --fix, formats them in place.
set -euo pipefail
cd "$(dirname "$0")/.."

mode=(--dry-run --Werror)
[ "${1:-}" = "--fix" ] && mode=(-i)

mapfile -t files < <(find app cli core ui tests bench tools fuzz \
  -name build -prune -o \( -name '*.cpp' -o -name '*.h' \) -print 2>/dev/null | sort)
[ ${#files[@]} -eq 0 ] && exit 0
clang-format "${mode[@]}" "${files[@]}"
