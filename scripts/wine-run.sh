#!/usr/bin/env bash
# Runs a Windows program under Wine in the build's own prefix (created on
# first use), quietly, on the current X display or, without one, on a
# virtual display of its own.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=scripts/wine-env.sh
source "$here/wine-env.sh"
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" wine "$@"
fi
exec wine "$@"
