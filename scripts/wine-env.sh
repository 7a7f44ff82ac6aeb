# Sourced: the Wine environment of a build. The prefix lives in the build
# directory (MORAVEL_WINEPREFIX, default ./wineprefix of the current
# directory) and is made on first use without Mono or Gecko, which the
# reader does not need.
export WINEPREFIX="${MORAVEL_WINEPREFIX:-$PWD/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export WINEARCH=win64
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w || true
fi
