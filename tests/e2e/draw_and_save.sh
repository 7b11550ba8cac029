#!/usr/bin/env bash
# End-to-end: drawing on the real window. A Line by clicks, a Line by typed
# coordinates and a Circle by a typed diameter are drawn into a drawing of
# three objects; Ctrl+S saves and the records are checked in the file; one
# more Line changes the drawing, and Ctrl+Q then asks "File has changed,
# save it?" in a box titled "Are you sure?".
set -u
prog=$1
fix="$(cd "$(dirname "$0")/.." && pwd)/fixtures"
source "$(dirname "$0")/lib.sh"
e2e_display

open_example

# Generous pauses: a loaded machine must not turn a click into a drag or
# let keys overtake the answer before them.
click() {  # button x y, in pixels of the window
  xdotool mousemove --window "$WIN" "$2" "$3"; sleep 0.3
  xdotool click "$1"; sleep 0.4
}
answer() { type_text "$1"; sleep 0.15; key Return; sleep 0.4; }

# A Line by clicks: two left clicks, a right click for the last point.
key l; sleep 0.6
click 1 250 300; click 1 450 300; click 3 450 420
# A Line by typed coordinates, kept with E.
key l; sleep 0.6
answer "1,1"; answer "4,1"; answer "4,3"; answer "E"
# A Circle: a click for the centre, a typed diameter.
key c; sleep 0.6
click 1 600 400
answer "2"
sleep 0.3
key ctrl+s
wait_saved "$work/boards/amp.dwg" || fail "Ctrl+S left no backup or no new file"

f="$work/boards/amp.dwg"
[ "$(sed -n 28p "$f" | tr -d '\r')" = "6" ] || fail "the saved drawing holds $(sed -n 28p "$f" | tr -d '\r') objects, not 6"
flat=" $(tr -d '\r' < "$f" | tr '\n' ' ')"
# Kind, number, colour, vertex count, type, width: three vertices from clicks.
echo "$flat" | grep -q " Line 4 1 3 0 0 " || fail "no three-vertex Line from the clicks: $flat"
echo "$flat" | grep -q " Line 5 1 3 0 0 1 1 4 1 4 3 1 1 " || fail "the typed Line is not in the file: $flat"
echo "$flat" | grep -Eq " Circle 6 1 1 [-0-9.]+ [-0-9.]+ 1 1 " || fail "the Circle of diameter 2 is not in the file: $flat"

# One more Line: the drawing has changed, and Ctrl+Q asks about it.
key l; sleep 0.6
answer "0,0"; answer "2,2"; answer "E"
key ctrl+q
asked=""
for _ in $(seq 50); do
  asked=$(xdotool search --onlyvisible --name "Are you sure" 2>/dev/null | head -n 1)
  [ -n "$asked" ] && break; sleep 0.1
done
[ -n "$asked" ] || fail "Ctrl+Q on a changed drawing did not ask"
xdotool windowfocus --sync "$asked" 2>/dev/null; xdotool key Escape; sleep 0.5
kill -0 "$apid" 2>/dev/null || fail "Cancel in the question ended the program"
echo "e2e: lines by clicks and by typed points, a circle by diameter, saved; Ctrl+Q asks"
cleanup
exit 0
