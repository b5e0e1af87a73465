#!/usr/bin/env bash
# Installs what is missing, builds the package preset and makes the Debian
# package build/package/dorvanta_VERSION_ARCH.deb.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
cmake --preset package >/dev/null
cmake --build --preset package
cpack --preset package
