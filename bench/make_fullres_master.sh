#!/usr/bin/env bash
# Builds the full-resolution master map folder from the anchors' GeoPackage
# (../shared/anchors/make_master.sh): the countries as land, the shorelines,
# lakes, rivers and borders, the states, and the counties as high-detail data,
# in the layout of the default master map.
#   bench/make_fullres_master.sh [GPKG [OUT_FOLDER [BUILD_DIR]]]
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
gpkg=${1:-/tmp/anchors-data/master.gpkg}
out=${2:-/tmp/anchors-data/master-full}
build=${3:-$top/build}
mk=$build/bin/terrafold-mkmaster
maps=$top/bench/fullres
defaults=$top/tools/mkmaster/default
[[ -f $gpkg ]] || { echo "$gpkg is missing (run ../shared/anchors/make_master.sh)" >&2; exit 2; }
[[ -x $mk ]] || { echo "$mk is missing (build terrafold-mkmaster)" >&2; exit 2; }
mkdir -p "$out"
"$mk" -m "$maps/land.map" -o "$out/Land.at5" --library "$out/MasterDefinitionLibrary.dat" "$gpkg"
"$mk" -m "$maps/world.map" -o "$out/World.at5" "$gpkg"
"$mk" -m "$defaults/usstates.map" -o "$out/USStates.at5" "$gpkg"
"$mk" -m "$defaults/uscounties.map" -o "$out/USCountiesLargeScale.at5" --high-detail "$gpkg"
cp "$maps/MasterList.txt" "$out/MasterList.txt"
ls -l "$out"
