#!/usr/bin/env bash
# Builds Brindlewood and starts it. Without the desktop program, or without a display to show its
# window on, it prints the default mortgage schedule with the command-line program instead.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
if [ -x build/src/app/brindlewood ]; then
  if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec build/src/app/brindlewood "$@"
  fi
  echo "No display to show Brindlewood's window on; here is the default mortgage schedule from build/src/cli/brindlewood-cli instead." >&2
fi
exec build/src/cli/brindlewood-cli table "$@"
