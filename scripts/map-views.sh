#!/usr/bin/env bash
# Pictures of the map window at three zooms (continent, state, city) over the
# default master map with a data set as large as a unit holds (999 waypoints,
# routes through them and a trail, spread over Colorado), for looking at the
# map's style and legibility. Each view is a workspace handed to the running
# window, as a second start does.
#   scripts/map-views.sh [BUILD_DIR] [OUT_DIR]
# With QT_SCALE_FACTOR=2 the screen is twice as large and the window drawn at
# two device pixels a point, as on a high-density screen.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$top/build}
out=${2:-$build/screenshots}
bin=$build/bin
for tool in xvfb-run xwininfo xwd xwdtopnm pnmtopng python3; do
  command -v $tool >/dev/null || { echo "$tool is missing (scripts/packages)" >&2; exit 2; }
done
[[ -x $bin/terrafold && -x $bin/terrafold-cli ]] || { echo "build $bin/terrafold first" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/config" "$work/data" "$work/run" "$out"
chmod 700 "$work/run"

python3 - "$work/colorado.gpx" <<'PY'
import random, sys
random.seed(20260101)
lon, lat = -105.5, 39.0
out = ['<?xml version="1.0" encoding="UTF-8"?>',
       '<gpx version="1.1" creator="map-views" xmlns="http://www.topografix.com/GPX/1/1">']
points = []
for i in range(999):
    lon = min(max(lon + random.uniform(-0.2, 0.2), -109), -102)
    lat = min(max(lat + random.uniform(-0.15, 0.15), 37), 41)
    points.append((lat, lon))
    out.append(f'<wpt lat="{lat:.5f}" lon="{lon:.5f}"><name>WPT{i + 1:03d}</name></wpt>')
for r in range(20):
    out.append(f'<rte><name>ROUTE {r + 1}</name>')
    for k in range(r * 10, r * 10 + 20):
        lat, lon = points[k]
        out.append(f'<rtept lat="{lat:.5f}" lon="{lon:.5f}"><name>WPT{k + 1:03d}</name></rtept>')
    out.append('</rte>')
out.append('<trk><name>TRACK 1</name><trkseg>')
lat, lon = 39.74, -104.99
for k in range(2000):
    lat += random.uniform(-0.004, 0.004)
    lon += random.uniform(-0.004, 0.0045)
    out.append(f'<trkpt lat="{lat:.5f}" lon="{lon:.5f}"/>')
out.append('</trkseg></trk></gpx>')
open(sys.argv[1], 'w').write('\n'.join(out) + '\n')
PY
"$bin/terrafold-cli" convert "$work/colorado.gpx" "$work/colorado.nrv"

# name lon lat range(miles)
views="continent -98.5 39.5 2500
state -105.5 39.0 400
city -104.99 39.74 12"
while read -r name lon lat range; do
  x=$(python3 -c "import math; print(round($lon * 6356752.3142 * 0.017453292))")
  y=$(python3 -c "import math; l=$lat*0.017453292; print(round(6356752.3142 * math.log(math.tan(math.pi/4 + l/2))))")
  printf 'Version 6.0\r\nMidX %s \r\nMidY %s \r\nZoomRange %s \r\n' "$x" "$y" "$range" >"$work/$name.nmp"
done <<<"$views"

# An instance of its own: a Terrafold already running elsewhere would take
# the views instead.
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/run
export TERRAFOLD_INSTANCE=terrafold-map-views-$$
export BIN=$bin WORK=$work OUT=$out
scale=${QT_SCALE_FACTOR:-1}
xvfb-run -a -s "-screen 0 $((1280 * scale))x$((800 * scale))x24" bash -euo pipefail -c '
  window_up() { xwininfo -root -tree | grep -q "\"Terrafold\""; }
  "$BIN/terrafold" "$WORK/colorado.nrv" &
  first=$!
  for _ in $(seq 100); do window_up && break; sleep 0.2; done
  window_up || { echo "the main window did not come up" >&2; kill "$first"; exit 1; }
  sleep 1
  for view in continent state city; do
    timeout 20 "$BIN/terrafold" "$WORK/$view.nmp"
    sleep 2
    xwd -root -silent | xwdtopnm 2>/dev/null | pnmtopng >"$OUT/map-$view.png"
    echo "screenshot: $OUT/map-$view.png"
  done
  kill "$first"
  wait "$first" || true
'
