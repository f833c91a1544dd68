#!/usr/bin/env bash
# Builds the benchmarks (optimised) and runs them beside their baselines,
# printing the rows of the README's table.
set -euo pipefail
cd "$(dirname "$0")/.."
# A desktop with room for every screen at its designed size, so that no
# screen scrolls.
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen:configfile=$PWD/tests/support/desktop-1920x1200.json}
export LANG=C.UTF-8
# An optimised build of its own, apart from the build the tests use.
OCUVANCE_BUILD_DIR=build-bench OCUVANCE_BUILD_TYPE=Release \
  OCUVANCE_CMAKE_ARGS="-DOCUVANCE_BENCH=ON -DOCUVANCE_TESTS=OFF" scripts/setup.sh >/dev/null

# A cups-pdf queue of the benchmark's own for the whole print, brought up as
# the tests bring theirs up (scripts/test-printer.sh), under another name and
# writing into a folder of its own, so that a test run at the same time keeps
# its queue and its folder; removed at the end.
# shellcheck source=../scripts/test-printer.sh
source scripts/test-printer.sh
OCUVANCE_TEST_QUEUE=OcuvanceBenchPDF
bench_tmp=$(mktemp -d)
trap 'rm -rf "$bench_tmp"' EXIT
if TMPDIR=$bench_tmp printer_up >/dev/null 2>&1; then
  export BENCH_PRINT_QUEUE=$OCUVANCE_TEST_QUEUE
  trap 'printer_down >/dev/null 2>&1; rm -rf "$bench_tmp"' EXIT
fi

echo "Machine: $(nproc) cores, $(uname -m), $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs); $(date -u +%Y-%m-%d)"
echo "| measure | baseline | figure | Ocuvance | figure | ratio or target |"
echo "|---|---|---|---|---|---|"
# Qt's offscreen platform says what it cannot do (raise a window, ...) on
# every open; those lines are dropped, anything else is shown.
quiet() { "$@" 2> >(grep -v -e 'This plugin does not support' -e 'XDG_RUNTIME_DIR' >&2); }
python3 bench/startup.py build-bench "${BENCH_RUNS:-40}"
quiet build-bench/bench/bench_screens
quiet build-bench/bench/bench_interactions
quiet build-bench/bench/bench_printing
