#!/usr/bin/env bash
# End-to-end: the shipped chassis example exported through the "Export
# Drawing" dialog of the real window as PDF, SVG and DXF (Ctrl+Shift+E,
# a name, Enter). The PDF's page is the extents plus a quarter inch each
# side (pdfinfo), the SVG states the same size in inches and renders
# (rsvg-convert), and the DXF passes ezdxf's strict read with its units in
# inches and the plate's 10 in outline in place.
set -u
prog=$1
fix="$(cd "$(dirname "$0")/.." && pwd)/fixtures"
source "$(dirname "$0")/lib.sh"
e2e_display

open_shipped "Preamp Chassis" CL

# Ctrl+Shift+E, then the name $1 typed over the proposed one; waits for
# the file $2 (by default $1).
export_as() {
  local file="${2:-$1}"
  key ctrl+shift+e
  local box; box=$(other_window)
  [ -n "$box" ] || fail "Ctrl+Shift+E showed no dialog"
  sleep 0.5
  xdotool windowfocus --sync "$box" 2>/dev/null
  xdotool key ctrl+a; xdotool type --delay 20 -- "$1"; xdotool key Return
  for _ in $(seq 100); do [ -s "$work/boards/$file" ] && break; sleep 0.1; done
  [ -s "$work/boards/$file" ] || fail "the dialog wrote no $file"
  sleep 0.5
}
export_as "plate.pdf"
export_as "plate.svg"
export_as "plate.dxf"
# A name without a known ending takes the chosen type's (PDF, the first).
export_as "plate copy" "plate copy.pdf"

read -r ex0 ex1 ey0 ey1 <<<"$(extents_of "$work/boards/$name.dwg")"
size=$(pdfinfo "$work/boards/plate.pdf" | sed -n 's/^Page size: *\([0-9.]*\) x \([0-9.]*\) pts.*/\1 \2/p')
awk -v s="$size" -v a="$ex0" -v b="$ex1" -v c="$ey0" -v d="$ey1" 'BEGIN { split(s, p, " ")
  exit (p[1] - 72 * (b - a + 0.5))^2 <= 0.25 && (p[2] - 72 * (d - c + 0.5))^2 <= 0.25 ? 0 : 1 }' ||
  fail "the PDF page ($size pt) is not the extents plus the margins ($ex0 $ex1 $ey0 $ey1)"
pdftoppm -r 50 -singlefile -png "$work/boards/plate.pdf" "$work/pdf" || fail "pdftoppm could not read the PDF"

w=$(awk -v a="$ex0" -v b="$ex1" 'BEGIN { printf "%.4fin", b - a + 0.5 }')
head -c 300 "$work/boards/plate.svg" | grep -q "width=\"$w\"" || fail "the SVG does not say it is $w wide"
rsvg-convert -d 96 -p 96 "$work/boards/plate.svg" -o "$work/svg.png" || fail "rsvg-convert could not read the SVG"
px=$(identify -format '%w' "$work/svg.png")
awk -v p="$px" -v a="$ex0" -v b="$ex1" 'BEGIN { exit (p - 96 * (b - a + 0.5))^2 <= 4 ? 0 : 1 }' ||
  fail "the SVG renders $px pixels wide at 96 dpi"

dump=$(/usr/bin/python3 "$fix/../ui/dxf_check.py" "$work/boards/plate.dxf") || fail "ezdxf refused the DXF: $dump"
echo "$dump" | grep -q "^INSUNITS 1$" || fail "the DXF is not in inches"
# The plate's outline: a 10 in edge along y = 0 (a LINE or a polyline through both corners).
echo "$dump" | grep -Eq "^(LINE|LWPOLYLINE) .* 0\.000000 0\.000000 .*10\.000000 0\.000000|^(LINE|LWPOLYLINE) .* 10\.000000 0\.000000 .*0\.000000 0\.000000" ||
  fail "the DXF has no 10 in edge at y = 0: $(echo "$dump" | head -20)"
n=$(echo "$dump" | grep -Ec "^(LINE|LWPOLYLINE|ARC|CIRCLE|TEXT) ")
[ "$n" -gt 50 ] || fail "the DXF holds only $n entities"
echo "e2e: the chassis exported as PDF ($size pt), SVG ($w wide, $px px at 96 dpi) and DXF ($n entities)"
cleanup
exit 0
