#!/usr/bin/env bash
# Sets up, builds and starts Terrafold. Arguments go to the program.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$top/scripts/setup.sh" "$top/build"
if [[ -x $top/build/bin/terrafold ]]; then
  exec "$top/build/bin/terrafold" "$@"
fi
# Until the desktop program is built, the command-line tool is the program.
if (($# == 0)); then
  set -- position --lat 45.5 --lon -93.265
fi
exec "$top/build/bin/terrafold-cli" "$@"
