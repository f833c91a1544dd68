#!/usr/bin/env bash
# Builds the benchmarks (optimised) and runs them beside their baselines.
set -euo pipefail
cd "$(dirname "$0")/.."
# A desktop with room for every screen at its designed size, so that no
# screen scrolls.
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen:configfile=$PWD/tests/support/desktop-1920x1200.json}
# An optimised build of its own, apart from the build the tests use.
OCUVANCE_BUILD_DIR=build-bench OCUVANCE_BUILD_TYPE=Release \
  OCUVANCE_CMAKE_ARGS="-DOCUVANCE_BENCH=ON -DOCUVANCE_TESTS=OFF" scripts/setup.sh >/dev/null
echo "Machine: $(nproc) cores, $(uname -m), $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)"
echo "| measure | baseline | figure | Ocuvance | figure | ratio |"
echo "|---|---|---|---|---|---|"
python3 bench/startup.py build-bench "${BENCH_RUNS:-30}"
python3 bench/screens.py build-bench/bench/bench_screens
