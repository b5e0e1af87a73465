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
for tool in Xvfb dbus-run-session; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "skipped: $tool is not installed"
    exit 77
  fi
done

# The X server picks a free display itself and writes its number once it
# accepts clients, so that runs side by side never race for one.
scratch="$(mktemp -d)"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; rm -r "$scratch"' EXIT
for _ in $(seq 100); do
  [ -s "$scratch/display" ] && break
  sleep 0.1
done
if [ ! -s "$scratch/display" ]; then
  echo "Xvfb did not start:" >&2
  cat "$scratch/xvfb.log" >&2
  exit 1
fi
DISPLAY=":$(head -n 1 "$scratch/display")" dbus-run-session -- \
  /usr/bin/python3 scripts/atspi-check.py "$build"
