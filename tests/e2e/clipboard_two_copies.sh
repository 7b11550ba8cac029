#!/usr/bin/env bash
# End-to-end: the clipboard between two running copies of the program. The
# first copy opens a drawing of a hidden red Line, a Circle and a Text;
# Ctrl+C, Select All and a click put them on the clipboard. The second copy,
# with an empty drawing, pastes them with Ctrl+V and a click and saves:
# colours, the line type and the text are kept.
set -u
prog=$1
fix="$(cd "$(dirname "$0")/.." && pwd)/fixtures"
source "$(dirname "$0")/lib.sh"
e2e_display

# Two program folders, each with its own recent list.
e2e_folder
dirA=$dir
mkdir -p "$work/binB"
cp "$dirA"/zarnic "$dirA"/*.dwg "$work/binB/"
# The source: the example with its Line made hidden (line type 1).
tr -d '\r' < "$fix/example.dwg" | awk 'NR == 33 { print "1"; next } { print }' | sed 's/$/\r/' > "$work/boards/source.dwg"
# The target: the same header with no objects.
{ tr -d '\r' < "$fix/example.dwg" | head -27; echo 0; echo 1000; echo -1000; echo 1000; echo -1000; } | sed 's/$/\r/' > "$work/boards/target.dwg"
recent_list "$work/boards" source.dwg
dir="$work/binB"; recent_list "$work/boards" target.dwg

dir=$dirA; start; winA=$WIN; pidA=$apid
for _ in $(seq 50); do caption | grep -q source.dwg && break; sleep 0.1; done
caption | grep -q source.dwg || fail "the source drawing did not open: '$(caption)'"
key F11; sleep 0.5
key ctrl+c; sleep 0.4
key ctrl+a; sleep 0.4
xdotool mousemove --window "$winA" 400 400; sleep 0.3
xdotool click 1; sleep 0.6

dir="$work/binB"; start; winB=$WIN
for _ in $(seq 50); do caption | grep -q target.dwg && break; sleep 0.1; done
caption | grep -q target.dwg || fail "the target drawing did not open: '$(caption)'"
kill -0 "$pidA" 2>/dev/null || fail "the first copy ended"
key F11; sleep 0.5
key ctrl+v; sleep 0.4
xdotool mousemove --window "$winB" 500 450; sleep 0.3
xdotool click 1; sleep 0.6
f="$work/boards/target.dwg"
save_anew "$f"
flat=" $(tr -d '\r' < "$f" | sed -n '28,$p' | tr '\n' ' ')"
[ "$(echo "$flat" | awk '{ print $1 }')" = "3" ] || fail "the pasted drawing does not hold 3 objects: $flat"
echo "$flat" | grep -Eq " Line 1 2 2 1 0 [-0-9.]+ [-0-9.]+ [-0-9.]+ [-0-9.]+ 1 1 " || fail "no hidden red Line: $flat"
echo "$flat" | grep -Eq " Circle 2 1 0\.5 " || fail "no Circle: $flat"
echo "$flat" | grep -Eq " Text 3 1 0\.125 R1 100k S " || fail "no Text 'R1 100k': $flat"
kill "$pidA" 2>/dev/null
echo "e2e: copied in one copy of the program, pasted in another, saved with colours, line type and text"
cleanup
exit 0
