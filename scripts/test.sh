#!/usr/bin/env bash
# Sets everything up and runs the whole test suite headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
source scripts/test-printer.sh
printer_up || true
status=0
ctest --test-dir build --output-on-failure -j2 --timeout 600 || status=$?
printer_down || true
exit $status
