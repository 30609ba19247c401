#!/usr/bin/env bash
# Runs a test program on a private X server when Xvfb and xdotool are at
# hand, so that its windows get real pointer events through the server;
# otherwise runs it offscreen, where the tests that need the server skip.
#   scripts/under-xvfb.sh PROGRAM [ARGS...]
set -euo pipefail
if command -v xvfb-run >/dev/null && command -v xdotool >/dev/null; then
  export QT_QPA_PLATFORM=xcb
  exec xvfb-run -a -s "-screen 0 1280x800x24" "$@"
fi
export QT_QPA_PLATFORM=offscreen
exec "$@"
