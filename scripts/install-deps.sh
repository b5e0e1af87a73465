#!/usr/bin/env bash
# Installs, through apt, the Debian 12 packages that building, running and
# testing Dorvanta need; does nothing when they are all present. Works as
# root (no sudo needed) and as a user with sudo.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkgconf git ca-certificates ccache
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev libjpeg-dev
  fonts-liberation fonts-dejavu-core poppler-utils xvfb xauth xdg-utils
  at-spi2-core python3-pyatspi dbus-daemon
  clang libclang-rt-dev clang-format clang-tidy
  libcli11-dev nlohmann-json3-dev
  dpkg-dev desktop-file-utils help2man lintian appstream
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  run_as_root=()
elif command -v sudo >/dev/null 2>&1; then
  run_as_root=(sudo)
else
  echo "install-deps: these packages are missing and neither root nor sudo is available: ${missing[*]}" >&2
  exit 1
fi

echo "install-deps: installing ${missing[*]}"
"${run_as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${run_as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
