#!/usr/bin/env bash
# Runs the end-to-end driver under Wine: on the current X display or a
# virtual one, in the prefix MORAVEL_WINEPREFIX, and under faketime when
# MORAVEL_FAKE_DATE is set ("2009-09-19 12:00:00").
#   e2e-run.sh --fresh            make the prefix anew
#   e2e-run.sh DRIVER CASE [ARGS] run one case
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
if [ "${1:-}" = "--fresh" ]; then
  prefix="${MORAVEL_WINEPREFIX:?MORAVEL_WINEPREFIX names the prefix}"
  WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
  rm -rf "$prefix"
  # shellcheck source=scripts/wine-env.sh
  source "$here/wine-env.sh"
  exit 0
fi
# shellcheck source=scripts/wine-env.sh
source "$here/wine-env.sh"
run=(wine "$@")
if [ -n "${MORAVEL_FAKE_DATE:-}" ]; then
  # Wine's server keeps its own clock: restart it under the fake date too.
  wineserver -k 2>/dev/null || true
  run=(faketime "$MORAVEL_FAKE_DATE" "${run[@]}")
fi
status=0
if [ -z "${DISPLAY:-}" ]; then
  xvfb-run -a -s "-screen 0 1280x1024x24" "${run[@]}" || status=$?
else
  "${run[@]}" || status=$?
fi
if [ -n "${MORAVEL_FAKE_DATE:-}" ]; then wineserver -k 2>/dev/null || true; fi
exit $status
