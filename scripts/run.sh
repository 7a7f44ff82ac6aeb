#!/usr/bin/env bash
# Installs what is missing, builds the reader and opens it under Wine. On a
# machine without a display it runs in a virtual X display, saves a
# screenshot once the window is up, says where, and closes the reader.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
scripts/install-deps.sh
scripts/build.sh win
cd build/win
export MORAVEL_WINEPREFIX="$PWD/wineprefix"
# shellcheck source=scripts/wine-env.sh
source ../../scripts/wine-env.sh
if [ -n "${DISPLAY:-}" ]; then
  exec wine ./Moravel5770.exe
fi
shot="$PWD/screenshot.png"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  wine ./Moravel5770.exe & reader=$!
  for _ in $(seq 1 150); do
    xdotool search --name "^Moravel 5770 \(English\)$" >/dev/null 2>&1 && break
    sleep 0.2
  done
  sleep 2
  import -window root "$1"
  # Close it as a user would (WM_CLOSE), so it saves its settings and ends.
  wine taskkill /im Moravel5770.exe >/dev/null 2>&1
  for _ in $(seq 1 50); do kill -0 $reader 2>/dev/null || break; sleep 0.2; done
  kill $reader 2>/dev/null || true
  wineserver -k 2>/dev/null || true
' _ "$shot"
echo "No display here: the reader ran in a virtual display. Screenshot: $shot"
