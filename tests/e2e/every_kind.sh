#!/usr/bin/env bash
# End-to-end: the real program under a private Xvfb display opens a drawing
# holding every object kind (a red Line, a yellow hidden Line, a green Arc, a
# blue Circle, a magenta Text, a cyan Shape nesting another) and the picture
# is checked from outside: each colour where its object lies.
set -u
prog=$1
fix="$(cd "$(dirname "$0")/.." && pwd)/fixtures"
source "$(dirname "$0")/lib.sh"
e2e_display

e2e_folder
cp "$fix/every_kind.dwg" "$work/boards/"
recent_list "$work/boards" every_kind.dwg

start
for _ in $(seq 50); do xdotool getwindowname "$WIN" | grep -q every_kind.dwg && break; sleep 0.1; done
xdotool getwindowname "$WIN" | grep -q every_kind.dwg || fail "the drawing did not open: '$(xdotool getwindowname "$WIN")'"
# The view fits the limits (F11), then the picture is taken.
xdotool windowfocus --sync "$WIN" 2>/dev/null; xdotool key --clearmodifiers F11
sleep 1
shot="$work/shot.png"
import -window "$WIN" "$shot" 2>/dev/null || fail "no screenshot"

# Bounding box "W H X Y" and pixel count of one exact colour.
box() { convert "$shot" -fill black +opaque "$1" -trim -format '%w %h %X %Y' info: 2>/dev/null | tr -d '+'; }
count() { convert "$shot" -fill black +opaque "$1" -fill white -opaque "$1" -format '%[fx:int(mean*w*h+0.5)]' info:; }
read -r rw rh rx ry <<<"$(box 'rgb(255,0,0)')"
read -r yw yh yx yy <<<"$(box 'rgb(255,255,0)')"
read -r bw bh bx by <<<"$(box 'rgb(0,0,255)')"
read -r mw mh mx my <<<"$(box 'rgb(255,0,255)')"
read -r cw ch cx cy <<<"$(box 'rgb(0,255,255)')"
for v in rw yw bw mw cw; do [ "${!v:-0}" -gt 5 ] || fail "colour of $v missing from the picture"; done
# Line (red) top left above the hidden line (yellow); circle (blue) below
# both; text (magenta) in the middle; shape (cyan) lower right of the text.
[ "$ry" -lt "$yy" ] || fail "red line not above the yellow hidden line ($ry, $yy)"
[ "$yy" -lt "$by" ] || fail "hidden line not above the circle ($yy, $by)"
[ "$rx" -lt "$mx" ] && [ "$bx" -lt "$mx" ] || fail "text not right of the line and the circle"
[ "$cx" -gt "$mx" ] && [ "$cy" -gt "$my" ] || fail "shape not lower right of the text"
# The circle is round: its box is square within two pixels.
[ $(( bw - bh )) -le 2 ] && [ $(( bh - bw )) -le 2 ] || fail "circle box ${bw}x${bh} is not square"
# The hidden line has gaps: fewer pixels than its length.
yn=$(count 'rgb(255,255,0)')
[ "$yn" -lt $(( yw * 9 / 10 )) ] || fail "hidden line has no gaps ($yn pixels over $yw)"
# The nested shape draws its own lines and the nested resistor: many pixels.
cn=$(count 'rgb(0,255,255)')
[ "$cn" -gt 150 ] || fail "the shape drew only $cn pixels"
kill "$apid" 2>/dev/null; wait "$apid" 2>/dev/null; apid=""
echo "e2e: every object kind drawn where it belongs"
cleanup
exit 0
