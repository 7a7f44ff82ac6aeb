#!/usr/bin/env bash
# Installs what is missing, builds both trees and runs every test: host tests
# (with AddressSanitizer and UBSan), fuzz runs, Windows tests under Wine and
# the end-to-end cases in a virtual X display. Ends with one summary line.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
scripts/install-deps.sh || exit 1
scripts/build.sh all || exit 1

summary() {  # the "N tests failed out of M" line of a ctest log
  sed -n 's/.* tests passed, \([0-9]*\) tests failed out of \([0-9]*\).*/\1 \2/p' "$1" | tail -n 1
}
status=0
(cd build/host && ctest --output-on-failure -j 2 2>&1) | tee build/host-ctest.log || status=1
(cd build/win && xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure 2>&1) |
  tee build/win-ctest.log || status=1

failed=0
total=0
for log in build/host-ctest.log build/win-ctest.log; do
  read -r f t <<<"$(summary "$log")"
  if [ -z "${t:-}" ]; then
    echo "no test summary in $log"
    status=1
    continue
  fi
  failed=$((failed + f))
  total=$((total + t))
done
[ "$failed" -ne 0 ] && status=1
echo "total: $((total - failed)) passed, $failed failed"
exit $status
