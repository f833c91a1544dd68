#!/usr/bin/env bash
# Random use of the whole application under AddressSanitizer (with its leak
# checker) and UndefinedBehaviorSanitizer: several seeds, 20,000 actions or
# more in all. Any crash, sanitizer report, leak or hang fails.
set -euo pipefail
cd "$(dirname "$0")/.."
seeds=${OCUVANCE_MONKEY_SEEDS:-"11 12 13 14"}
actions=${OCUVANCE_MONKEY_ACTIONS:-5000}
OCUVANCE_BUILD_DIR=build-asan OCUVANCE_BUILD_TYPE=Debug \
  OCUVANCE_CMAKE_ARGS="-DOCUVANCE_SANITIZE=ON" scripts/setup.sh >/dev/null
export QT_QPA_PLATFORM=offscreen:configfile=$PWD/tests/support/desktop-1920x1200.json QT_LOGGING_RULES="qt.qpa.*=false" LANG=C.UTF-8 LC_ALL=C.UTF-8
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:halt_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/monkey/lsan.supp:print_suppressions=0
total=0
for seed in $seeds; do
  timeout 2400 build-asan/tests/monkey/monkey --seed "$seed" --actions "$actions"
  total=$((total + actions))
done
echo "random use under sanitizers: $total actions, seeds $seeds, no fault"
