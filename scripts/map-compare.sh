#!/usr/bin/env bash
# The three views of scripts/map-views.sh (continent, state, city) drawn a
# second time by another renderer, Mapnik (Debian python3-mapnik), from the
# same public sources (data/src) in the same projection, at the size of the
# map display, in a style close to the map's own category colours. Each pair
# is put side by side (Terrafold left, Mapnik right) for judging the style
# and legibility.
#   scripts/map-compare.sh [BUILD_DIR] [OUT_DIR]
# MAP_RECT=X,Y,WIDTH,HEIGHT is the map display inside map-views.sh's
# screenshots (the window's layout there is fixed).
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$top/build}
out=${2:-$build/screenshots}
src=$top/data/src
IFS=, read -r mx my mw mh <<<"${MAP_RECT:-241,175,569,368}"
py=/usr/bin/python3
$py -c 'import mapnik' 2>/dev/null || { echo "python3-mapnik is missing (apt-get install python3-mapnik)" >&2; exit 2; }
for tool in pnmcut pnmcat pngtopnm pnmtopng; do
  command -v $tool >/dev/null || { echo "$tool is missing (netpbm)" >&2; exit 2; }
done
[[ -f $src/complete-1 && -f $src/places.csv ]] || { echo "run scripts/setup.d/master.sh first" >&2; exit 2; }
[[ -f $out/map-city.png ]] || bash "$top/scripts/map-views.sh" "$build" "$out"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
$py - "$src" "$out" "$mw" "$mh" "$work" <<'PY'
import csv, math, sys
import mapnik
src, out, width, height, work = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4]), sys.argv[5]

# Mapnik labels a layer's features in their order: the places go largest
# first, as the map names them, each with its dot as one shield (both or
# neither).
with open(f"{src}/places.csv", newline="") as f:
    rows = list(csv.DictReader(f))
rows.sort(key=lambda r: (-int(r["population"]), r["name"]))
with open(f"{work}/places.csv", "w", newline="") as f:
    w = csv.DictWriter(f, fieldnames=["WKT", "name", "population", "country"])
    w.writeheader()
    w.writerows(rows)
with open(f"{work}/dot.svg", "w") as f:
    f.write('<svg xmlns="http://www.w3.org/2000/svg" width="6" height="6">'
            '<circle cx="3" cy="3" r="2.5" fill="black" stroke="white" stroke-width="1"/></svg>')
# The program's internal units: a spherical Mercator of this radius.
R = 6356752.3142
MILE = 1609.344
srs = f"+proj=merc +R={R} +units=m +no_defs"

def csv_layer(name, style, file, folder=src):
    return (f'<Layer name="{name}" srs="epsg:4326"><StyleName>{style}</StyleName><Datasource>'
            f'<Parameter name="type">csv</Parameter><Parameter name="file">{folder}/{file}</Parameter>'
            '</Datasource></Layer>')

def ogr_layer(name, style, file, layer):
    return (f'<Layer name="{name}" srs="epsg:4326"><StyleName>{style}</StyleName><Datasource>'
            f'<Parameter name="type">ogr</Parameter><Parameter name="file">{src}/{file}</Parameter>'
            f'<Parameter name="layer">{layer}</Parameter></Datasource></Layer>')

def place_rule(low, high, size, face):
    cond = f"[population] &gt;= {low}" + (f" and [population] &lt; {high}" if high else "")
    return (f'<Rule><Filter>{cond}</Filter><ShieldSymbolizer file="{work}/dot.svg" unlock-image="true" '
            f'face-name="{face}" size="{size}" fill="#202020" halo-fill="white" halo-radius="2" dx="6" '
            'placement-type="simple" placements="E,W" minimum-padding="4" margin="4">[name]'
            '</ShieldSymbolizer></Rule>')

# The smallest place the map names at a scale (internal units a pixel).
def smallest(units_per_pixel):
    if units_per_pixel <= 1500:
        return 0
    if units_per_pixel <= 3000:
        return 10000
    return 50000 if units_per_pixel <= 6000 else 200000

# Land a grey tint, lakes a navy tint, shorelines and rivers blue, country
# and state borders dashed: the category table's colours.
style = f'''<Map srs="{srs}" background-color="white" font-directory="/usr/share/fonts/truetype/liberation2">
<Style name="land"><Rule><PolygonSymbolizer fill="black" fill-opacity="0.22"/></Rule></Style>
<Style name="lakes"><Rule><Filter>[level] = 2 or [level] = 4</Filter>
  <PolygonSymbolizer fill="#000080" fill-opacity="0.22"/></Rule></Style>
<Style name="water"><Rule><LineSymbolizer stroke="blue" stroke-width="1"/></Rule></Style>
<Style name="countries"><Rule><Filter>[level] = 1</Filter>
  <LineSymbolizer stroke="black" stroke-width="1" stroke-dasharray="6,2"/></Rule></Style>
<Style name="states"><Rule><LineSymbolizer stroke="black" stroke-width="1" stroke-dasharray="2,2"/></Rule></Style>
<Style name="places" filter-mode="first">
  {place_rule(500000, 0, 13, "Liberation Sans Bold")}
  {place_rule(100000, 500000, 11, "Liberation Sans Regular")}
  {place_rule("SMALLEST", 100000, 10, "Liberation Sans Regular")}
</Style>
{ogr_layer("land", "land", "countries-50m.json", "countries")}
{csv_layer("lakes", "lakes", "shore_poly.csv")}
{csv_layer("shore", "water", "shore_line.csv")}
{csv_layer("rivers", "water", "rivers.csv")}
{csv_layer("borders", "countries", "borders.csv")}
{ogr_layer("states", "states", "states-10m.json", "states")}
{csv_layer("places", "places", "places.csv", work)}
</Map>'''

# name, longitude, latitude, range in miles across the view (as map-views.sh)
views = [("continent", -98.5, 39.5, 2500), ("state", -105.5, 39.0, 400), ("city", -104.99, 39.74, 12)]
for name, lon, lat, miles in views:
    x = R * math.radians(lon)
    y = R * math.log(math.tan(math.pi / 4 + math.radians(lat) / 2))
    w = miles * MILE / math.cos(math.radians(lat))
    h = w * height / width
    m = mapnik.Map(width, height)
    mapnik.load_map_from_string(m, style.replace("SMALLEST", str(smallest(w / width))))
    m.zoom_to_box(mapnik.Box2d(x - w / 2, y - h / 2, x + w / 2, y + h / 2))
    image = mapnik.Image(width, height)
    mapnik.render(m, image)
    image.save(f"{out}/mapnik-{name}.png", "png")
PY

for view in continent state city; do
  pngtopnm "$out/map-$view.png" | pnmcut -left "$mx" -top "$my" -width "$mw" -height "$mh" >"$out/ours-$view.ppm"
  pngtopnm -mix -background=white "$out/mapnik-$view.png" >"$out/mapnik-$view.ppm"
  pnmcat -lr -jtop -white "$out/ours-$view.ppm" "$out/mapnik-$view.ppm" | pnmtopng >"$out/compare-$view.png"
  rm -f "$out/ours-$view.ppm" "$out/mapnik-$view.ppm"
  echo "side by side: $out/compare-$view.png"
done
