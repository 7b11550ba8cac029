#!/usr/bin/env bash
# End-to-end: the dial designer on the real window. Ctrl+D opens the
# designer with the default scale, "Transfer To Drawing" closes it and asks
# for the centre, a click places the dial, and Ctrl+S saves a Dial record
# with the design values of the defaults file.
set -u
prog=$1
fix="$(cd "$(dirname "$0")/.." && pwd)/fixtures"
source "$(dirname "$0")/lib.sh"
e2e_display

open_example

key ctrl+d
designer=""
for _ in $(seq 50); do
  designer=$(xdotool search --onlyvisible --name "Dial & Meter Scale Design" 2>/dev/null | head -n 1)
  [ -n "$designer" ] && break; sleep 0.1
done
[ -n "$designer" ] || fail "Ctrl+D did not open the designer"
[ -e "$dir/Zarnic-Dial.DAT" ] || fail "the designer wrote no defaults file"
sleep 0.5
# "Transfer To Drawing" is the middle one of the three buttons at the bottom right.
eval "$(xdotool getwindowgeometry --shell "$designer")"
xdotool mousemove $((X + WIDTH - 215)) $((Y + HEIGHT - 23)); sleep 0.3
xdotool click 1; sleep 0.8
xdotool search --onlyvisible --name "Dial & Meter Scale Design" >/dev/null 2>&1 && fail "Transfer left the designer open"

# The centre, then the save.
xdotool mousemove --window "$WIN" 600 450; sleep 0.3
xdotool click 1; sleep 0.6
save_anew "$f"
flat=" $(tr -d '\r' < "$f" | sed -n '28,$p' | tr '\n' ' ')"
[ "$(echo "$flat" | awk '{ print $1 }')" = "4" ] || fail "the saved drawing does not hold 4 objects: $flat"
# Kind, number, colour, 15 values, the centre, then V1..V15 of the defaults.
echo "$flat" | grep -Eq " Dial 4 1 15 [-0-9.]+ [-0-9.]+ 1 1\.5708 1\.5 1\.5708 1\.5708 6 0\.3 4 0\.075 0 10 0 0\.1 1 0\.15 " ||
  fail "no Dial record with the default design: $flat"
echo "e2e: the designer's default scale transferred, placed with a click and saved"
cleanup
exit 0
