#!/usr/bin/env bash
# End-to-end: typed answers on the real window. F7 asks for the limits, two
# corners are typed and each committed with Tab, Ctrl+S saves, and the saved
# header carries them; Ctrl+F4 opens the library browser, a typed prefix
# committed with Tab shows in the caption's "<Shape: " part.
set -u
prog=$1
fix="$(cd "$(dirname "$0")/.." && pwd)/fixtures"
source "$(dirname "$0")/lib.sh"
e2e_display

e2e_folder
cp "$fix/shapes/ScB-TestBox.dwg" "$dir/PCBoard.dwg"
cp "$fix/example.dwg" "$work/boards/amp.dwg"
recent_list "$work/boards" amp.dwg

start
for _ in $(seq 50); do caption | grep -q amp.dwg && break; sleep 0.1; done
caption | grep -q 'amp.dwg  <Font: F->  <Shape: B->' || fail "the drawing did not open: '$(caption)'"

# Limits: lower-left, Tab, upper-right, Tab. Each answer replaces the
# selected default.
key F7; sleep 0.3
type_text "-2,-1.5"; key Tab; sleep 0.3
type_text "12,7.25"; key Tab; sleep 0.5
key ctrl+s
wait_saved "$work/boards/amp.dwg" || fail "Ctrl+S left no backup or no new file"
limits=$(sed -n 5,9p "$work/boards/amp.dwg" | tr -d '\r' | tr '\n' ' ')
[ "$limits" = "Limits -2 -1.5 12 7.25 " ] || fail "saved limits were '$limits'"

# The library browser takes a typed prefix.
key ctrl+F4; sleep 0.3
type_text "PC"; key Tab
for _ in $(seq 50); do caption | grep -q '<Shape: PC>' && break; sleep 0.1; done
caption | grep -q 'amp.dwg  <Font: F->  <Shape: PC>  Draw Color' || fail "caption after the prefix was '$(caption)'"
[ "$(tr -d '\r\n' < "$dir/Zarnic-ShapeList.DAT")" = "Board" ] || fail "the shape list was not rebuilt for PC"

key ctrl+q
ended || fail "Ctrl+Q did not end the saved drawing's run"
apid=""
echo "e2e: typed limits saved, typed prefix in the caption"
cleanup
exit 0
