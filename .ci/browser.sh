#!/usr/bin/env bash
# Installs what the browser and terminal tests need and prepares tests/browser.
# Run from the repository root; .ci/run calls it before ctest. With CI=true the
# tests fail (rather than skip) when any of these is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
need=()
[ -x /usr/bin/chromium ] || need+=(chromium)
command -v tmux >/dev/null || need+=(tmux)
# Keep a node that is already there; only a machine without one gets Debian's.
command -v node >/dev/null || need+=(nodejs)
command -v npm >/dev/null || need+=(npm)
if [ ${#need[@]} -gt 0 ]; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${need[@]}"
fi
(cd tests/browser && npm ci --no-audit --no-fund)
