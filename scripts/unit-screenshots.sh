#!/usr/bin/env bash
# Screenshots of the unit windows and the map window's unit panes as a user
# sees them: the desktop tests with emulated units and card folders
# (tf_unitwindows_tests, DesktopUnit and DesktopCards) run on a real X server
# under Xvfb and grab the whole screen at each step into the shot folder.
# They run on the xcb platform (the suite's offscreen platform puts nothing
# on the X server) and grab with scripts/xshot.sh, which also gets the
# dialogs right.
#   scripts/unit-screenshots.sh [BUILD_DIR] [SHOT_DIR]
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
shots=${2:-$build/screenshots/unit-windows}
tests=$build/tests/tf_unitwindows_tests
for tool in xvfb-run xwininfo xwd xwdtopnm pnmpaste pnmtopng; do
  command -v $tool >/dev/null || { echo "$tool is missing (scripts/packages/app.txt)" >&2; exit 2; }
done
[[ -x $tests ]] || { echo "build $tests first" >&2; exit 2; }
mkdir -p "$shots"
rm -f "$shots"/*.png
QT_QPA_PLATFORM=xcb TF_SCREENSHOTS=$shots TF_SCREENSHOT_TOOL=$top/scripts/xshot.sh xvfb-run -a -s "-screen 0 1280x900x24" \
  "$tests" --gtest_filter='DesktopUnit.*:DesktopCards.*'
ls "$shots"
