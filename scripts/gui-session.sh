#!/usr/bin/env bash
# Runs the desktop program under Xvfb the way a user starts it: a data file
# named on the command line, then a second start with a workspace that the
# running window takes over (the second start must end by itself), and a
# screenshot of the screen for inspection. Settings go to a folder of the
# run's own.
#   scripts/gui-session.sh [BUILD_DIR] [SCREENSHOT.png]
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$top/build}
shot=${2:-$build/screenshots/gui-session.png}
bin=$build/bin
for tool in xvfb-run xwininfo xwd xwdtopnm pnmpaste pnmtopng; do
  command -v $tool >/dev/null || { echo "$tool is missing (scripts/packages/app.txt)" >&2; exit 2; }
done
[[ -x $bin/terrafold && -x $bin/terrafold-cli ]] || { echo "build $bin/terrafold first" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/config" "$work/data" "$work/run" "$(dirname "$shot")"
chmod 700 "$work/run"

# A trip of three waypoints and a route through them in Minnesota, and a
# workspace that looks at them with a border along the route.
cat >"$work/trip.gpx" <<'GPX'
<?xml version="1.0" encoding="UTF-8"?>
<gpx version="1.1" creator="gui-session" xmlns="http://www.topografix.com/GPX/1/1">
  <wpt lat="44.98" lon="-93.27"><name>HOME</name></wpt>
  <wpt lat="45.56" lon="-94.16"><name>CLOUD</name></wpt>
  <wpt lat="46.79" lon="-92.10"><name>DULUTH</name></wpt>
  <rte><name>NORTH</name>
    <rtept lat="44.98" lon="-93.27"><name>HOME</name></rtept>
    <rtept lat="45.56" lon="-94.16"><name>CLOUD</name></rtept>
    <rtept lat="46.79" lon="-92.10"><name>DULUTH</name></rtept>
  </rte>
</gpx>
GPX
"$bin/terrafold-cli" convert "$work/trip.gpx" "$work/trip.nrv"
printf 'Version 6.0\r\nMidX -10340191 \r\nMidY  5729083 \r\nZoomRange  300 \r\n' >"$work/view.nmp"
"$bin/terrafold-cli" route-to-border "$work/trip.nrv" --route 0 --into "$work/view.nmp" -o "$work/north.nmp"

export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/run
# The hand-over goes to this run's program, not to one of another run.
export TERRAFOLD_INSTANCE=gui-session-$$
export BIN=$bin WORK=$work SHOT=$shot TOP=$top
xvfb-run -a -s "-screen 0 1280x800x24" bash -euo pipefail -c '
  window_up() { xwininfo -root -tree | grep -q "\"Terrafold\""; }
  "$BIN/terrafold" "$WORK/trip.nrv" &
  first=$!
  for _ in $(seq 100); do window_up && break; sleep 0.2; done
  window_up || { echo "the main window did not come up" >&2; kill "$first"; exit 1; }
  sleep 1
  # The second start hands its workspace over and ends without a window.
  timeout 20 "$BIN/terrafold" "$WORK/north.nmp"
  sleep 2
  "$TOP/scripts/xshot.sh" "$SHOT"
  kill "$first"
  wait "$first" || true
'
echo "screenshot: $shot"
