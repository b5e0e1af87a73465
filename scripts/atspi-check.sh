#!/usr/bin/env bash
# Runs scripts/atspi-check.py on a virtual X display with a D-Bus session of
# its own: the built window read over the accessibility bus, its values
# checked against dorvanta-cli. BUILD_DIR defaults to build/ci.
#
#   ./scripts/atspi-check.sh [BUILD_DIR]
#
# Exit status 77: Xvfb, D-Bus, at-spi2-core or python3-pyatspi is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build/ci}"
for tool in xvfb-run dbus-run-session; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "skipped: $tool is not installed"
    exit 77
  fi
done
exec xvfb-run -a -s "-screen 0 1280x800x24" \
  dbus-run-session -- /usr/bin/python3 scripts/atspi-check.py "$build"
