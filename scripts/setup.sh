#!/usr/bin/env bash
# Installs the Debian packages Terrafold needs (only the missing ones), then
# configures and builds one build tree.
#   scripts/setup.sh [BUILD_DIR] [extra cmake arguments...]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
top=$(dirname "$here")
build=${1:-$top/build}
shift || true

mapfile -t wanted < <(cat "$here"/packages/*.txt | sed 's/#.*//' | tr -s ' \t' '\n' | sed '/^$/d' | sort -u)
missing=()
for entry in "${wanted[@]}"; do
  # "package@command": the package is only needed when the command is missing
  # (npm, for example, often comes with Node.js from elsewhere).
  pkg=${entry%@*}
  if [[ $entry == *@* ]] && command -v "${entry#*@}" >/dev/null; then
    continue
  fi
  status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
  [[ $status == "install ok installed" ]] || missing+=("$pkg")
done
if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}" >&2
  sudo=""
  [[ $(id -u) -eq 0 ]] || sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
fi

# Data built from public sources (the default master map) is made once per tree.
for step in "$here"/setup.d/*.sh; do
  [[ -e $step ]] && bash "$step" "$top"
done

cmake -S "$top" -B "$build" -G Ninja "$@" >&2
cmake --build "$build" -j "$(nproc)"
