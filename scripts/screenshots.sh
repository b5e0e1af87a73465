#!/usr/bin/env bash
# Builds the release preset and writes the documentation's pictures of the
# window to docs/screenshots, drawn on a virtual X display, the first page
# of a printed report and the first two pages of the sample parts list's
# review report.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target ui_tests dorvanta-cli
mkdir -p docs/screenshots
DORVANTA_SCREENSHOT_DIR="$PWD/docs/screenshots" QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1280x800x24" \
  build/release/tests/ui/ui_tests --gtest_also_run_disabled_tests --gtest_filter='Screenshot.*'

# The first page of the printed report, as dorvanta-cli writes it.
report="$(mktemp -d)"
build/release/cli/dorvanta-cli report --rs 0.1 --rl 0.01 --imax 10 --va 5 --operator '=' \
  --cap1 10 --output "$report/report.pdf" >/dev/null
pdftoppm -r 100 -png -f 1 -l 1 -singlefile "$report/report.pdf" docs/screenshots/report-page1

# The review report of the sample parts list (exit status 3: lines fail).
status=0
build/release/cli/dorvanta-cli check docs/examples/psu-parts-list.csv --va 5 --imax 10 \
  --rs 0.1 --rl 0.01 --format pdf --output "$report/review.pdf" >/dev/null || status=$?
[ "$status" -eq 3 ]
for page in 1 2; do
  pdftoppm -r 75 -png -f "$page" -l "$page" -singlefile "$report/review.pdf" \
    "docs/screenshots/review-report-page$page"
done
rm -r "$report"
