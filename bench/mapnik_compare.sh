#!/usr/bin/env bash
# The views of bench_mapdraw drawn by Mapnik (Debian python3-mapnik) from the
# same full-resolution data, the anchors' GeoPackage and the largest GPS data
# set as GPX, at 1920x1080, both pinned to one core; prints each view's
# figures and the ratio Mapnik / ours, for a new view (a pan or a zoom away)
# and for the same view drawn again.
#   bench/mapnik_compare.sh [MASTER_FOLDER [VIEW_LIST [BUILD_DIR]]]
# MASTER_FOLDER is the folder bench/make_fullres_master.sh built from
# $DATA/master.gpkg (DATA=/tmp/anchors-data); the GPX file is $DATA/gps_max.gpx
# (../shared/anchors/anchor_gpsio.sh writes it). Mapnik draws the style of
# ../shared/anchors/anchor_render.sh, with the counties only where the map
# draws them (a pixel of 1500 internal units or less).
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
data=${DATA:-/tmp/anchors-data}
master=${1:-$data/master-full}
views=${2:-$top/bench/mapdraw-views.txt}
build=${3:-$top/build}
gpkg=$data/master.gpkg
gpx=$data/gps_max.gpx
py=/usr/bin/python3
$py -c 'import mapnik' 2>/dev/null || { echo "python3-mapnik is missing (apt-get install python3-mapnik)" >&2; exit 2; }
for f in "$gpkg" "$gpx" "$build/bin/bench_mapdraw"; do
  [[ -e $f ]] || { echo "$f is missing" >&2; exit 2; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

taskset -c 1 "$build/bin/bench_mapdraw" "$master" "$views" | tee "$work/ours.txt"
echo "Mapnik, same views, same cores:"
taskset -c 1 $py - "$gpkg" "$gpx" "$views" "$work/ours.txt" <<'PY'
import math, re, statistics, sys, time
import mapnik
gpkg, gpx, views_file, ours_file = sys.argv[1:5]
R = 6378137.0
def merc(lon, lat):
    return R * math.radians(lon), R * math.log(math.tan(math.pi / 4 + math.radians(lat) / 2))
# The counties show from the scale where the map draws its high-detail files:
# 1500 internal units (a sphere of radius 6356752.3142 m) a pixel.
counties_max = 1500 * R / 6356752.3142 / 0.00028
def layer(name, file, srs):
    return (f'<Layer name="{name}" srs="{srs}"><StyleName>{name}</StyleName><Datasource>'
            f'<Parameter name="type">ogr</Parameter><Parameter name="file">{file}</Parameter>'
            f'<Parameter name="layer">{name}</Parameter></Datasource></Layer>')
style = f'''<?xml version="1.0" encoding="utf-8"?>
<Map srs="epsg:3857" background-color="#b5d0d0" font-directory="/usr/share/fonts/truetype/dejavu">
<Style name="countries"><Rule><PolygonSymbolizer fill="#f2efe9"/><LineSymbolizer stroke="#9e6fa8" stroke-width="1"/></Rule></Style>
<Style name="counties"><Rule><MaxScaleDenominator>{counties_max:.0f}</MaxScaleDenominator><PolygonSymbolizer fill="#f2efe9"/><LineSymbolizer stroke="#c8bfae" stroke-width="0.5"/></Rule></Style>
<Style name="shore_poly"><Rule><Filter>[level] = 2 or [level] = 4</Filter><PolygonSymbolizer fill="#aad3df"/><LineSymbolizer stroke="#6d9fc4" stroke-width="0.6"/></Rule>
  <Rule><ElseFilter/><PolygonSymbolizer fill="#e8e4d8"/><LineSymbolizer stroke="#6d9fc4" stroke-width="0.6"/></Rule></Style>
<Style name="shore_line"><Rule><LineSymbolizer stroke="#4a7fb0" stroke-width="0.8"/></Rule></Style>
<Style name="rivers"><Rule><LineSymbolizer stroke="#5b9bd5" stroke-width="0.7"/></Rule></Style>
<Style name="borders"><Rule><LineSymbolizer stroke="#9e6fa8" stroke-width="1" stroke-dasharray="4,2"/></Rule></Style>
<Style name="states"><Rule><LineSymbolizer stroke="#7a5c8a" stroke-width="1.5"/></Rule></Style>
<Style name="tracks"><Rule><LineSymbolizer stroke="#d62728" stroke-width="2"/></Rule></Style>
<Style name="routes"><Rule><LineSymbolizer stroke="#ff00ff" stroke-width="2.5" stroke-opacity="0.8"/></Rule></Style>
<Style name="waypoints"><Rule><MarkersSymbolizer fill="#1f77b4" width="6" height="6" stroke="#ffffff" allow-overlap="true"/>
  <TextSymbolizer face-name="DejaVu Sans Book" size="10" fill="#000" halo-radius="1" dy="-7">[name]</TextSymbolizer></Rule></Style>
{"".join(layer(l, gpkg, "epsg:3857") for l in ["countries", "counties", "shore_poly", "rivers", "shore_line", "borders", "states"])}
{"".join(layer(l, gpx, "epsg:4326") for l in ["tracks", "routes", "waypoints"])}
</Map>'''
W, H = 1920, 1080
m = mapnik.Map(W, H)
mapnik.load_map_from_string(m, style)
image = mapnik.Image(W, H)

def place(view):
    west, south, east, north = view
    (x0, y0), (x1, y1) = merc(west, south), merc(east, north)
    width = max(x1 - x0, (y1 - y0) * W / H)
    return (x0 + x1) / 2, (y0 + y1) / 2, width

def draw(x, y, width):
    h = width * H / W
    m.zoom_to_box(mapnik.Box2d(x - width / 2, y - h / 2, x + width / 2, y + h / 2))
    start = time.perf_counter()
    mapnik.render(m, image)
    return (time.perf_counter() - start) * 1e3

ours = {}
for line in open(ours_file):
    f = re.match(r"(\S+)\s+\d+ \|.*= +([\d.]+) \( *([\d.]+)\).*\| .*= +([\d.]+)$", line.strip())
    if f:
        ours[f.group(1)] = (float(f.group(2)), float(f.group(4)))
draw(*place((-130, 20, -60, 55)))  # fonts and data sources opened once, as ours
print(f"{'view':13} | {'Mapnik new view ms':>18} {'repeated ms':>12} | {'ratio Mapnik/ours: new view':>28} {'repeated':>9}")
for line in open(views_file):
    words = line.split()
    if len(words) != 5 or words[0].startswith("#"):
        continue
    name, view = words[0], [float(v) for v in words[1:]]
    x, y, w = place(view)
    s = w / 4
    around = [(x + s, y, w), (x + s, y + s, w), (x, y + s, w / 1.5), (x - s, y + s, w),
              (x - s, y, w * 1.5), (x - s, y - s, w), (x, y - s, w / 1.5), (x + s, y - s, w * 1.5)]
    fresh = statistics.median(min(draw(*a) for _ in range(2)) for a in around)
    draw(x, y, w)
    again = min(draw(x, y, w) for _ in range(3))
    mine = ours.get(name)
    ratios = f"{fresh / mine[0]:28.1f} {again / mine[1]:9.1f}" if mine else f"{'(not measured by ours)':>38}"
    print(f"{name:13} | {fresh:18.1f} {again:12.1f} | {ratios}")
PY
