#!/usr/bin/env bash
# End-to-end: editing on the real window. A Line is drawn by clicks beside
# the three objects of a drawing; Ctrl+M, Select All and two clicks move all
# four; Delete, a click on the moved Line and "Y" delete it, Ctrl+Z brings it
# back, and the saved file is the same as after the move; the same delete
# saved leaves three objects. The files' records are checked.
set -u
prog=$1
fix="$(cd "$(dirname "$0")/.." && pwd)/fixtures"
source "$(dirname "$0")/lib.sh"
e2e_display

open_example

click() {  # button x y, in pixels of the window
  xdotool mousemove --window "$WIN" "$2" "$3"; sleep 0.3
  xdotool click "$1"; sleep 0.4
}
answer() { type_text "$1"; sleep 0.15; key Return; sleep 0.4; }
records() { tr -d '\r' < "$f" | sed -n '28,$p' | tr '\n' ' '; }

# A horizontal Line by clicks, beside the drawing's Line, Circle and Text.
key l; sleep 0.6
click 1 300 600; click 3 700 600

# Move everything 100 pixels right and 50 up.
key ctrl+m; sleep 0.4
key ctrl+a; sleep 0.4
click 1 400 400
xdotool mousemove --window "$WIN" 450 380; sleep 0.2
xdotool mousemove --window "$WIN" 500 350; sleep 0.4
xdotool click 3; sleep 0.6
save_anew "$f"
moved=$(records)
set -- $moved
[ "$1" = "4" ] || fail "after the move the file holds $1 objects, not 4: $moved"
# Line 1 2 2 0 0 x1 y1 x2 y2 1 1 | Circle 2 1 0.5 x y 1 1 | Text ... | Line 4 ...
[ "$2 $3 $4 $5 $6 $7" = "Line 1 2 2 0 0" ] || fail "the first record is not the drawing's Line: $moved"
dx=$(awk -v a="$8" 'BEGIN { print a - 1 }'); dy=$(awk -v a="$9" 'BEGIN { print a - 1 }')
awk -v dx="$dx" -v dy="$dy" 'BEGIN { exit !(dx > 0.3 && dy > 0.1) }' || fail "the objects did not move right and up: $dx, $dy"
echo "$moved" | grep -q " Circle 2 1 0.5 " || fail "no Circle after the move: $moved"
cx=$(echo "$moved" | sed -E 's/.* Circle 2 1 0\.5 ([-0-9.]+) ([-0-9.]+) .*/\1 \2/')
awk -v c="$cx" -v dx="$dx" -v dy="$dy" 'BEGIN { split(c, p, " "); d1 = p[1] - 2 - dx; d2 = p[2] - 3 - dy; exit !(d1 * d1 + d2 * d2 < 1e-12) }' ||
  fail "the Circle moved by another step than the Line: $cx against $dx, $dy"

# Delete the moved Line by a click on it and Y; Ctrl+Z brings it back.
key Delete; sleep 0.4
click 1 600 550
answer "Y"
key ctrl+z; sleep 0.6
save_anew "$f"
[ "$(records)" = "$moved" ] || fail "Undo did not bring the deleted Line back: $(records) against $moved"

# The same delete, saved: three objects, the clicked Line gone.
key Delete; sleep 0.4
click 1 600 550
answer "Y"
save_anew "$f"
gone=$(records)
set -- $gone
[ "$1" = "3" ] || fail "after the delete the file holds $1 objects, not 3: $gone"
echo "$gone" | grep -q " Line 4 " && fail "the deleted Line is still in the file: $gone"
echo "e2e: moved with Ctrl+M and Select All, deleted with Delete and Y, undone with Ctrl+Z, saved"
cleanup
exit 0
