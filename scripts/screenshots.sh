#!/usr/bin/env bash
# Builds the release preset and writes the documentation's pictures of the
# window to docs/screenshots, drawn on a virtual X display.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target ui_tests
mkdir -p docs/screenshots
DORVANTA_SCREENSHOT_DIR="$PWD/docs/screenshots" QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1280x800x24" \
  build/release/tests/ui/ui_tests --gtest_also_run_disabled_tests --gtest_filter='Screenshot.*'
