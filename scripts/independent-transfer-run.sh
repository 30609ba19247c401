#!/bin/sh
# An independent run of the unit transfers: a unit emulator with a product,
# limits, rate and data that no test uses; download, edit, upload, download
# again, and compare what came back with what was sent.
#   scripts/independent-transfer-run.sh [BUILD_DIR]
set -eu
BIN="$(cd "${1:-build}" && pwd)/bin"
WORK="$(mktemp -d)"
UNIT_PID=
cleanup() {
    [ -n "$UNIT_PID" ] && kill "$UNIT_PID" 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT
cd "$WORK"

"$BIN/terrafold-unit" --rate 38400 --name "Fjellvandrer 2" --product-id 733 --version 4.07 \
    --max-waypoints 60 --max-icons 9 --max-routes 4 --max-route-waypoints 12 --max-trails 3 \
    --symbols 0-19,25 --limits-first --device-id 0x3B07 >unit.out 2>unit.err &
UNIT_PID=$!
for _ in $(seq 100); do [ -s unit.out ] && break; sleep 0.1; done
DEV="$(head -n 1 unit.out)"
[ -n "$DEV" ] || { echo "the emulator did not start" >&2; exit 1; }

cat >tour.gpx <<'GPX'
<?xml version="1.0" encoding="UTF-8"?>
<gpx version="1.1" creator="independent run" xmlns="http://www.topografix.com/GPX/1/1">
  <wpt lat="61.63610" lon="8.31250"><name>GALDHOPIGGEN</name><sym>3</sym></wpt>
  <wpt lat="61.65310" lon="8.25690"><name>JUVASSHYTTA</name></wpt>
  <wpt lat="61.59000" lon="8.40000"><name>SPITERSTULEN</name></wpt>
  <wpt lat="61.50440" lon="8.81330"><name>GJENDESHEIM</name></wpt>
  <rte><name>TOPPTUR</name>
    <rtept lat="61.65310" lon="8.25690"><name>JUVASSHYTTA</name></rtept>
    <rtept lat="61.63610" lon="8.31250"><name>GALDHOPIGGEN</name></rtept>
    <rtept lat="61.59000" lon="8.40000"><name>SPITERSTULEN</name></rtept>
  </rte>
  <trk><name>BESSEGGEN</name><trkseg>
    <trkpt lat="61.50440" lon="8.81330"/><trkpt lat="61.51000" lon="8.78000"/>
    <trkpt lat="61.52150" lon="8.74010"/><trkpt lat="61.53000" lon="8.70500"/>
  </trkseg><trkseg>
    <trkpt lat="61.54000" lon="8.69000"/><trkpt lat="61.55260" lon="8.66320"/>
  </trkseg></trk>
</gpx>
GPX

cli() { "$BIN/terrafold-cli" "$@"; }
cli convert tour.gpx sent.nrv
echo "== upload"
cli upload sent.nrv --port "$DEV"
echo "== download"
cli download --port "$DEV" -o first.nrv
cli list first.nrv --json >first.json
cmp -s first.json "$(cli list sent.nrv --json >sent.json && echo sent.json)" ||
    { echo "first download differs from what was sent:" >&2; diff sent.json first.json >&2 || true; exit 1; }

echo "== edit: a waypoint renamed and moved, one more waypoint, through GPX"
cli convert first.nrv first.gpx
sed -e 's|<name>Gjendesheim</name>|<name>Gjende Bu</name>|' \
    -e 's|<wpt lat="61.504[0-9]*" lon="8.8133[0-9]*">|<wpt lat="61.49500" lon="8.73000">|' \
    -e 's|</gpx>|<wpt lat="61.45000" lon="8.90000"><name>MEMURUBU</name></wpt></gpx>|' \
    first.gpx >edited.gpx
cli convert edited.gpx edited.nrv
cli list edited.nrv --json >edited.json
if cmp -s first.json edited.json; then echo "the edit changed nothing" >&2; exit 1; fi

echo "== upload the edit, download again"
cli upload edited.nrv --port "$DEV"
cli download --port "$DEV" -o second.nrv
cli list second.nrv --json >second.json
if cmp -s edited.json second.json; then
    echo "== the second download equals the edited data"
    cli list second.nrv
else
    echo "second download differs from the edited data:" >&2
    diff edited.json second.json >&2 || true
    exit 1
fi
