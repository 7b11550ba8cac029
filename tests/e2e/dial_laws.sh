#!/usr/bin/env bash
# End-to-end: two scales on one centre through the real designer. Ctrl+D,
# a VU scale (Decibel law, -20 to +3, labelled values) transferred and
# placed with a click; Ctrl+D again, a 0-100 linear scale with "Same centre
# as the last dial" checked, placed by Transfer alone; Ctrl+S. The file
# holds both Dial records on one centre: the VU one with its law after the
# 15 values, the percent one with 15 values as ever.
set -u
prog=$1
fix="$(cd "$(dirname "$0")/.." && pwd)/fixtures"
source "$(dirname "$0")/lib.sh"
e2e_display

open_example

# The designer's fields take the focus in their order, field 0 first; the
# law's controls follow the option buttons and the sideways box.
tabs() { for _ in $(seq "$1"); do xdotool key Tab; sleep 0.05; done; }
designer() {
  key ctrl+d
  d=$(window_named "Dial & Meter Scale Design")
  [ -n "$d" ] || fail "Ctrl+D did not open the designer"
  sleep 0.6
  xdotool windowfocus --sync "$d" 2>/dev/null
}
# Fields 7 and 8 (CCW and CW values), then on to the law list.
values() {
  tabs 7; xdotool type -- "$1"; tabs 1; xdotool type -- "$2"; tabs 6
  tabs 3  # the option buttons, the sideways box, the law list
}

designer
values "-20" "3"
xdotool type "D"; tabs 2; xdotool type -- "-20, -10, -7, -5, -3, 0, 3"
tabs 5; xdotool key space   # table, Load Table..., same centre, Preview, Transfer
sleep 0.8
xdotool search --onlyvisible --name "Dial & Meter Scale Design" >/dev/null 2>&1 && fail "Transfer left the designer open"
xdotool mousemove --window "$WIN" 600 520; sleep 0.3
xdotool click 1; sleep 0.6

designer
values "0" "100"
xdotool type "L"; tabs 5; xdotool key space   # value, labels, table, Load Table..., same centre
tabs 2; xdotool key space                     # Preview, Transfer
sleep 0.8
xdotool search --onlyvisible --name "Dial & Meter Scale Design" >/dev/null 2>&1 && fail "the second Transfer left the designer open"

save_anew "$f"
# The records after the header: kind, number, colour, count, centre, values.
flat=" $(tr -d '\r' < "$f" | sed -n '28,$p' | tr '\n' ' ')"
vu=$(echo "$flat" | grep -Eo " Dial [0-9]+ [0-9]+ 25 [-0-9.]+ [-0-9.]+( [-0-9.e+]+){25}" | head -n 1)
pc=$(echo "$flat" | grep -Eo " Dial [0-9]+ [0-9]+ 15 [-0-9.]+ [-0-9.]+( [-0-9.e+]+){15}" | head -n 1)
[ -n "$vu" ] || fail "no Dial record of 25 values (the VU scale): $flat"
[ -n "$pc" ] || fail "no Dial record of 15 values (the percent scale): $flat"
read -r _ _ _ _ vx vy v1 v2 v3 v4 v5 v6 v7 v8 v9 v10 v11 v12 v13 v14 v15 v16 v17 v18 rest <<<"$vu"
read -r _ _ _ _ px py p1 p2 p3 p4 p5 p6 p7 p8 p9 p10 p11 _ <<<"$pc"
[ "$vx $vy" = "$px $py" ] || fail "the two scales have different centres: ($vx, $vy) and ($px, $py)"
[ "$v10 $v11" = "-20 3" ] || fail "the VU scale does not run from -20 to 3: $vu"
[ "$v16 $v17 $v18" = "2 0 7" ] || fail "the VU scale's law is not Decibel with 7 labelled values: $vu"
[ "$rest" = "-20 -10 -7 -5 -3 0 3" ] || fail "the labelled values are '$rest'"
[ "$p10 $p11" = "0 100" ] || fail "the percent scale does not run from 0 to 100: $pc"
echo "e2e: a VU scale and a percent scale designed on one centre ($vx, $vy) and saved"
cleanup
exit 0
