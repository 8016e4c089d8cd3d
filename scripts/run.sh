#!/usr/bin/env bash
# Builds Brindlewood and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
if [ -x build/src/app/brindlewood ]; then
  if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display is available to show Brindlewood's window; the command-line program is build/src/cli/brindlewood-cli (try: build/src/cli/brindlewood-cli table)."
    exit 1
  fi
  exec build/src/app/brindlewood "$@"
fi
exec build/src/cli/brindlewood-cli table "$@"
