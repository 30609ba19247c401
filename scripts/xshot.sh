#!/usr/bin/env bash
# A PNG of the whole X screen ($DISPLAY) as a person sees it.
#   scripts/xshot.sh OUT.png
# Under a bare Xvfb (no window manager), a window mapped after the program's
# first one (a dialog, a message box) paints into its own window, but a grab
# of the root window shows its place black until something exposes it again
# (moving it does); a grab of the window itself is right. So the root grab
# is only the background: every viewable top-level window is grabbed by
# itself and laid onto it, lowest first.
set -euo pipefail
out=$1
for tool in xwd xwdtopnm pnmpaste pnmtopng xwininfo; do
  command -v $tool >/dev/null || { echo "$tool is missing (scripts/packages/app.txt)" >&2; exit 2; }
done
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
xwd -root -silent | xwdtopnm 2>/dev/null >"$tmp/screen.pnm"
read -r width height < <(xwininfo -root | awk '/^  Width:/ {w = $2} /^  Height:/ {h = $2} END {print w, h}')
# xwininfo lists the root's children topmost first.
xwininfo -root -children | awk '/^     0x/ {print $1}' | tac >"$tmp/windows"
while read -r id; do
  info=$(xwininfo -id "$id" 2>/dev/null) || continue
  grep -q 'Map State: IsViewable' <<<"$info" || continue
  grep -q 'Class: InputOutput' <<<"$info" || continue
  x=$(awk '/Absolute upper-left X:/ {print $4}' <<<"$info")
  y=$(awk '/Absolute upper-left Y:/ {print $4}' <<<"$info")
  w=$(awk '/^  Width:/ {print $2}' <<<"$info")
  h=$(awk '/^  Height:/ {print $2}' <<<"$info")
  # Helper windows of a pixel or two, and windows reaching off the screen,
  # are left as the root grab shows them.
  ((w > 2 && h > 2 && x >= 0 && y >= 0 && x + w <= width && y + h <= height)) || continue
  xwd -id "$id" -silent 2>/dev/null | xwdtopnm 2>/dev/null >"$tmp/window.pnm" || continue
  pnmpaste -replace "$tmp/window.pnm" "$x" "$y" "$tmp/screen.pnm" >"$tmp/next.pnm" 2>/dev/null || continue
  mv "$tmp/next.pnm" "$tmp/screen.pnm"
done <"$tmp/windows"
pnmtopng "$tmp/screen.pnm" >"$out"
