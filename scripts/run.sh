#!/usr/bin/env bash
# Installs what is missing, builds Dorvanta and starts it with its built-in
# catalogue.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release
if [ -x build/release/app/dorvanta ]; then
  exec build/release/app/dorvanta "$@"
fi
exec build/release/cli/dorvanta-cli "${@:-info}"
