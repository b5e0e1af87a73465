#!/usr/bin/env bash
# Fails when a C++ source of the project (every .cpp and .h outside build/)
# is not formatted by .clang-format. With --fix, formats them in place.
set -euo pipefail
cd "$(dirname "$0")/.."

mode=(--dry-run --Werror)
[ "${1:-}" = "--fix" ] && mode=(-i)

mapfile -t files < <(find . \( -path ./build -o -path ./.git \) -prune -o \
  -type f \( -name '*.cpp' -o -name '*.h' \) -print | sort)
[ ${#files[@]} -eq 0 ] && exit 0
clang-format "${mode[@]}" "${files[@]}"
