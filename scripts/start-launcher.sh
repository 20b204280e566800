#!/usr/bin/env bash
# Starts Vistrel from its installation folder, as a player would.
set -euo pipefail
dist=${1:-build/dist}
cd "$dist"
if [ -x ./vistrel ]; then
  exec ./vistrel
elif [ -x ./qxdata ]; then
  echo "The launcher is not built yet; starting the game directly."
  exec ./qxdata
else
  echo "Neither the launcher nor the game is built yet; nothing to start." >&2
  exit 1
fi
