#!/usr/bin/env bash
# The road a user takes with a GPS unit, on the desktop program itself under
# Xvfb, driven through its menus and buttons with xdotool as a person would:
# an emulated unit on a pseudo-terminal holding a large data set and
# answering only at its own rate while the program starts at 115200 baud;
# connect (the rate scan finds the unit), download everything, cancel an
# upload half-way, disconnect and connect again. A screenshot of the whole
# screen after each step goes to the shot folder, for a person to look at;
# the run fails when a window the road expects does not come or go.
#   scripts/unit-road.sh [BUILD_DIR] [SHOT_DIR]
#   UNIT_RATE (9600) and UNIT_NAME ("Voyager 12") choose the unit's rate and
#   product name: give ones the tests never use for an independent run.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
shots=${2:-$build/screenshots/unit-road}
bin=$build/bin
rate=${UNIT_RATE:-9600}
name=${UNIT_NAME:-Voyager 12}
for tool in xvfb-run xdotool xwininfo xwd xwdtopnm pnmpaste pnmtopng awk; do
  command -v $tool >/dev/null || { echo "$tool is missing (scripts/packages/app.txt)" >&2; exit 2; }
done
for program in terrafold terrafold-cli terrafold-unit; do
  [[ -x $bin/$program ]] || { echo "build $bin/$program first" >&2; exit 2; }
done

work=$(mktemp -d)
unit_pid=
cleanup() {
  [[ -n $unit_pid ]] && kill "$unit_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/config/terrafold" "$work/data" "$work/run" "$shots"
chmod 700 "$work/run"
rm -f "$shots"/*.png

# The unit, with room for the large data set, on a fresh pseudo-terminal;
# it answers no faster than a real line at its rate would carry.
"$bin/terrafold-unit" --rate "$rate" --pace --name "$name" --max-waypoints 1000 --max-routes 50 \
  --max-route-waypoints 50 --max-trails 20 --max-trail-points 20000 >"$work/unit.out" 2>"$work/unit.err" &
unit_pid=$!
for _ in $(seq 100); do [[ -s $work/unit.out ]] && break; sleep 0.1; done
device=$(head -n 1 "$work/unit.out")
[[ -n $device ]] || { echo "the emulator did not start" >&2; cat "$work/unit.err" >&2; exit 1; }

# The large data set: 600 waypoints on a grid over Minnesota and Wisconsin,
# 30 routes through them and trails of 2500 points (a data file keeps three),
# put on the unit by the command-line tool.
awk 'BEGIN {
  print "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
  print "<gpx version=\"1.1\" creator=\"unit-road\" xmlns=\"http://www.topografix.com/GPX/1/1\">"
  for (i = 0; i < 600; i++) {
    lat[i] = 44 + int(i / 30) * 0.3; lon[i] = -97 + (i % 30) * 0.35
    printf "<wpt lat=\"%.5f\" lon=\"%.5f\"><name>LAKE%03d</name></wpt>\n", lat[i], lon[i], i
  }
  for (r = 0; r < 30; r++) {
    printf "<rte><name>PORTAGE%02d</name>\n", r
    for (k = 0; k < 12; k++) {
      i = (r * 19 + k * 31) % 600
      printf "<rtept lat=\"%.5f\" lon=\"%.5f\"><name>LAKE%03d</name></rtept>\n", lat[i], lon[i], i
    }
    print "</rte>"
  }
  for (t = 0; t < 3; t++) {
    printf "<trk><name>PADDLE%d</name><trkseg>\n", t
    for (p = 0; p < 2500; p++)
      printf "<trkpt lat=\"%.5f\" lon=\"%.5f\"/>\n", 44.2 + t * 0.7 + 0.2 * sin(p / 90), -96.8 + p * 0.004
    print "</trkseg></trk>"
  }
  print "</gpx>"
}' >"$work/lakes.gpx"
"$bin/terrafold-cli" convert "$work/lakes.gpx" "$work/lakes.nrv" >"$work/cli.log" 2>&1
"$bin/terrafold-cli" upload "$work/lakes.nrv" --port "$device" --baud "$rate" >>"$work/cli.log" 2>&1 ||
  { cat "$work/cli.log" >&2; exit 1; }

# The settings of a user whose program last spoke at 115200 baud on COM1;
# COM2 to COM4 lead nowhere.
sed -e 's/^BaudRate .*/BaudRate  115200 /' -e 's/^AutoSelectComPort .*/AutoSelectComPort False/' \
  "$top/share/default.ini" >"$work/config/terrafold/terrafol.ini"

export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/run
# A program of another run on this machine is not ours to hand over to.
export TERRAFOLD_INSTANCE=unit-road-$$
export TERRAFOLD_COM1=$device TERRAFOLD_COM2=/nonexistent/com2 TERRAFOLD_COM3=/nonexistent/com3
export TERRAFOLD_COM4=/nonexistent/com4
export BIN=$bin SHOTS=$shots WORK=$work TOP=$top
xvfb-run -a -s "-screen 0 1280x900x24" bash -euo pipefail -c '
  shot() {
    sleep 0.7 # the last events painted
    "$TOP/scripts/xshot.sh" "$SHOTS/$1.png"
    echo "  screenshot $SHOTS/$1.png"
  }
  # Waits until a window whose title matches the pattern is on the screen
  # (or, with "gone", is not); the answer is its id.
  wait_window() {
    local pattern=$1 state=${2:-shown} seconds=${3:-60} id
    for _ in $(seq $((seconds * 10))); do
      id=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n 1 || true)
      if [[ $state == shown && -n $id ]]; then echo "$id"; return 0; fi
      if [[ $state == gone && -z $id ]]; then return 0; fi
      sleep 0.1
    done
    echo "the window \"$pattern\" was never $state; the screen is in $SHOTS/failed.png" >&2
    shot failed >&2
    return 1
  }
  # Waits until no window whose title matches the pattern has been on the
  # screen for three seconds (the progress window closes between kinds).
  wait_quiet() {
    local pattern=$1 seconds=$2 quiet=0
    for _ in $(seq $((seconds * 10))); do
      if xdotool search --onlyvisible --name "$pattern" >/dev/null 2>&1; then quiet=0; else quiet=$((quiet + 1)); fi
      ((quiet < 30)) || return 0
      sleep 0.1
    done
    echo "the windows \"$pattern\" never went; the screen is in $SHOTS/failed.png" >&2
    shot failed >&2
    return 1
  }
  # A key or key chord typed into the window, as a person at the keyboard would.
  keys() {
    local window=$1; shift
    xdotool windowfocus --sync "$window"
    xdotool key --clearmodifiers --delay 120 "$@"
  }

  "$BIN/terrafold" &
  program=$!
  trap "kill $program 2>/dev/null || true" EXIT
  main=$(wait_window "^Terrafold" shown 60)
  sleep 2
  shot 01-started

  echo "connect: Unit > Connect"
  keys "$main" alt+u c
  connecting=$(wait_window "^Connecting$" shown 10)
  sleep 1.5
  shot 02-connecting-rate-scan
  wait_window "^Connecting$" gone 120
  sleep 2 # the product name and limits come after the window closes
  shot 03-connected

  echo "download everything: Unit > Download"
  keys "$main" alt+u w
  wait_window "^Downloading" shown 30 >/dev/null
  sleep 1
  shot 04-downloading
  wait_quiet "^Downloading" 600
  echo "zoom to the data: View > Zoom to Data (Ctrl+D)"
  keys "$main" ctrl+d
  shot 05-downloaded

  echo "upload, cancelled half-way: Unit > Transfer Data... > Upload, then Cancel"
  keys "$main" alt+u t
  transfer=$(wait_window "^Transfer Data$" shown 10)
  shot 06-transfer-window
  keys "$transfer" alt+u
  wait_window "^Uploading Waypoints" shown 60 >/dev/null
  sleep 2
  shot 07-uploading
  # The progress window hides between kinds: Escape goes to it once it is there.
  for _ in $(seq 50); do
    progress=$(xdotool search --onlyvisible --name "^Uploading" 2>/dev/null | head -n 1 || true)
    [[ -n $progress ]] && xdotool windowfocus --sync "$progress" 2>/dev/null &&
      xdotool key --clearmodifiers Escape && break
    sleep 0.1
  done
  wait_window "^Uploading" gone 10
  shot 08-upload-cancelled

  echo "disconnect, then connect again"
  keys "$main" alt+u d
  sleep 1
  shot 09-disconnected
  keys "$main" alt+u c
  wait_window "^Connecting$" shown 10 >/dev/null
  wait_window "^Connecting$" gone 120
  sleep 2
  shot 10-reconnected
  kill -0 $program || { echo "the program ended on its own" >&2; exit 1; }
'
echo "screenshots in $shots"
