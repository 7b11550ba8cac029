#!/usr/bin/env bash
# End-to-end: the shipped example schematic plotted and printed from the real
# window. Ctrl+H writes "Preamp Schematic.PLT" beside the drawing, which hp2xx
# reads without complaint over the drawing's extents; Ctrl+P, answered Yes,
# writes the page as "Preamp Schematic.pdf" (ZARNIC_PRINT_TO_PDF stands in
# for a machine without a printer), whose ink pdftoppm finds inside the
# fitted extents, black on white.
set -u
prog=$1
fix="$(cd "$(dirname "$0")/.." && pwd)/fixtures"
source "$(dirname "$0")/lib.sh"
e2e_display
export ZARNIC_PRINT_TO_PDF=1

open_shipped "Preamp Schematic" Sc

# Waits for a message box whose text holds $1 (in the window list of the
# program) and presses Return on it.
answer_box() {
  box=$(other_window)
  [ -n "$box" ] || fail "no message box for $1"
  sleep 0.3
  xdotool windowfocus --sync "$box" 2>/dev/null; xdotool key Return; sleep 0.5
}

read -r ex0 ex1 ey0 ey1 <<<"$(extents_of "$work/boards/$name.dwg")"

# ---- the plot ----
key ctrl+h
answer_box "Plot completed."
plt="$work/boards/$name.PLT"
[ -s "$plt" ] || fail "Ctrl+H wrote no plot file"
log=$(hp2xx -m png -d 75 -f "$work/plot.png" "$plt" </dev/null 2>&1) || fail "hp2xx failed: $log"
echo "$log" | grep -q "HPGL command(s) ignored: 0" || fail "hp2xx ignored commands: $log"
echo "$log" | grep -Eq "Unexpected event\(s\): +0" || fail "hp2xx met unexpected events: $log"
range=$(echo "$log" | sed -n 's/.*Coordinate range: (\(.*\), \(.*\)) \.\.\. (\(.*\), \(.*\)).*/\1 \2 \3 \4/p')
[ -n "$range" ] || fail "hp2xx reported no coordinate range: $log"
# At plot scale 1 a drawing unit is 169.361 plotter units; the plot covers the extents.
awk -v r="$range" -v a="$ex0" -v b="$ex1" -v c="$ey0" -v d="$ey1" 'BEGIN {
  split(r, p, " "); k = 169.361; t = 0.02 * k
  ok = (p[1] >= a*k - t && p[1] <= a*k + 5*t && p[3] <= b*k + t && p[3] >= b*k - 5*t &&
        p[2] >= c*k - t && p[2] <= c*k + 5*t && p[4] <= d*k + t && p[4] >= d*k - 5*t)
  exit ok ? 0 : 1 }' || fail "the plot's range ($range) is not the extents ($ex0 $ex1 $ey0 $ey1) x 169.361"

# ---- the page ----
key ctrl+p
answer_box "Do you want to print this drawing?"
pdf="$work/boards/$name.pdf"
for _ in $(seq 50); do [ -s "$pdf" ] && break; sleep 0.1; done
[ -s "$pdf" ] || fail "Ctrl+P wrote no PDF"
answer_box "No printer was found."
pdfinfo "$pdf" | grep -q "^Pages: *1$" || fail "the PDF is not one page"
pdftoppm -r 50 -singlefile -png "$pdf" "$work/page" || fail "pdftoppm could not read the PDF"
# The ink's box on the page (pixels at 50 dpi) and its colours.
read -r pw ph bw bh bx by <<<"$(convert "$work/page.png" -format '%w %h ' -write info:- -trim -format '%w %h %X %Y' info:- | tr -d '+')"
# Where the page fit puts the extents: limits from the file's header, 0.25 in margins.
read -r lx0 ly0 lx1 ly1 <<<"$(tr -d '\r' < "$work/boards/$name.dwg" | sed -n '6,9p' | tr '\n' ' ')"
awk -v pw="$pw" -v ph="$ph" -v bw="$bw" -v bh="$bh" -v bx="$bx" -v by="$by" \
    -v lx0="$lx0" -v ly0="$ly0" -v lx1="$lx1" -v ly1="$ly1" -v a="$ex0" -v b="$ex1" -v c="$ey0" -v d="$ey1" 'BEGIN {
  dpi = 50; m = 0.25 * dpi; W = (pw / dpi - 0.5) * 1440; H = (ph / dpi - 0.5) * 1440
  if ((ly1 - ly0) / (lx1 - lx0) <= 0.75) S = 0.9637557 * W / (lx1 - lx0); else S = 0.9637557 * H / (ly1 - ly0)
  xs = -S * lx0 + (W - (S * lx1 - S * lx0)) / 2 + 250
  ys = S * ly0 - (H - (S * ly1 - S * ly0)) / 2
  px0 = m + (S * a + xs) / 1440 * dpi; px1 = m + (S * b + xs) / 1440 * dpi
  py1 = m + (H - S * c * 0.99 + ys) / 1440 * dpi; py0 = m + (H - S * d * 0.99 + ys) / 1440 * dpi
  t = 3
  ok = (bx >= px0 - t && bx <= px0 + t && bx + bw <= px1 + t && bx + bw >= px1 - t &&
        by >= py0 - t && by <= py0 + t && by + bh <= py1 + t && by + bh >= py1 - t)
  if (!ok) printf "ink %d,%d %dx%d; extents %.1f,%.1f .. %.1f,%.1f\n", bx, by, bw, bh, px0, py0, px1, py1
  exit ok ? 0 : 1 }' || fail "the printed drawing is not where the page fit puts it"
colours=$(convert "$work/page.png" -colorspace HSL -channel G -separate -format '%[fx:maxima]' info:)
awk -v s="$colours" 'BEGIN { exit s < 0.1 ? 0 : 1 }' || fail "the page is not black on white (saturation $colours)"
echo "e2e: the example plotted (hp2xx range $range) and printed to one PDF page"
cleanup
exit 0
