#!/usr/bin/env bash
# Sets up, builds and opens the editor. Without arguments and without a USB
# serial adapter on the machine, the editor runs against a simulated processor.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

args=("$@")
if [ ${#args[@]} -eq 0 ] && ! ls /dev/ttyUSB* /dev/ttyACM* >/dev/null 2>&1; then
  echo "No USB serial adapter found: starting with a simulated processor (--simulate)."
  args=(--simulate)
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: running under a virtual X server (xvfb-run); the window is not visible."
  exec xvfb-run -a build/bin/kavel-editor "${args[@]}"
fi
exec build/bin/kavel-editor "${args[@]}"
