#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds everything with
# warnings as errors, runs every test and clang-tidy over the project's
# sources; then builds everything again under AddressSanitizer and
# UndefinedBehaviorSanitizer and runs every test there, the window's
# included; then builds the fuzz targets (the catalogue file, the parts-list
# reader) with clang and runs them for a few seconds from their committed
# corpora.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
./scripts/check-format.sh

# Compiler results are shared between checkouts when ccache is there: the
# paths it hashes are taken relative to this checkout.
if command -v ccache >/dev/null 2>&1; then
  export CMAKE_CXX_COMPILER_LAUNCHER=ccache CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
fi

cmake --preset ci >/dev/null
cmake --build --preset ci
ctest --preset ci
./scripts/clang-tidy.sh build/ci

cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan

./scripts/fuzz.sh "${DORVANTA_FUZZ_SECONDS:-10}"
