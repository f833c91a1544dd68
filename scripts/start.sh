#!/usr/bin/env bash
# Sets everything up and starts Ocuvance.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting Ocuvance under Xvfb (a virtual screen)."
  exec xvfb-run -a -s "-screen 0 1600x1000x24" build/ocuvance "$@"
fi
exec build/ocuvance "$@"
