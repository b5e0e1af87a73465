#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds everything with
# warnings as errors and runs every test; then builds the core and the
# companion under AddressSanitizer and UndefinedBehaviorSanitizer and runs
# their tests again.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
./scripts/check-format.sh

cmake --preset ci >/dev/null
cmake --build --preset ci
ctest --preset ci

cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan
