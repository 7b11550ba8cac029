#!/usr/bin/env bash
# End-to-end: a recovery copy survives SIGKILL. A Line typed into a named
# drawing is not saved; after the copy is written (ZARNIC_RECOVERY_SECONDS=2)
# the program is killed. Started again, it offers the copy; Yes, then Ctrl+S
# puts the Line into the drawing's own file. The same for an unnamed
# drawing, restored and saved with Save As under a new name.
set -u
prog=$1
fix="$(cd "$(dirname "$0")/.." && pwd)/fixtures"
source "$(dirname "$0")/lib.sh"
e2e_display
export ZARNIC_RECOVERY_SECONDS=2

answer() { type_text "$1"; sleep 0.15; key Return; sleep 0.4; }
# Waits for a copy of drawing $1 (a file name pattern) in the Recovery folder.
wait_copy() {
  for _ in $(seq 100); do
    ls "$dir/Recovery/"$1 >/dev/null 2>&1 && sleep 0.5 && return 0
    sleep 0.1
  done
  fail "no recovery copy $1 was written"
}
# The question of a new start: Return answers its default, Yes.
yes_to_offer() {
  local box; box=$(other_window)
  [ -n "$box" ] || fail "the restarted program offered no recovery copy"
  sleep 0.4
  xdotool windowfocus --sync "$box" 2>/dev/null; xdotool key Return; sleep 1
}
hard_kill() { kill -9 "$apid"; wait "$apid" 2>/dev/null; apid=""; sleep 0.5; }
# start() waits for the first visible window, which may be the question
# itself: the main window is the one named like the program's caption.
main_window() { WIN=$(window_named "Zarnic"); }

# ---- a named drawing ----
open_example
key l; sleep 0.6
answer "7,7"; answer "8,7.5"; answer "E"
wait_copy "amp.dwg"
grep -q "7.5" "$dir/Recovery/amp.dwg" || fail "the copy does not hold the new Line"
hard_kill
start
yes_to_offer
main_window
for _ in $(seq 50); do caption | grep -q amp.dwg && break; sleep 0.1; done
save_anew "$f"
tr -d '\r' < "$f" | tr '\n' ' ' | grep -q " 7 7 8 7.5 " || fail "the restored Line is not in amp.dwg after Ctrl+S"
[ -e "$dir/Recovery/amp.dwg" ] && fail "the copy is still there after the save"

# ---- an unnamed drawing ----
key ctrl+n; sleep 0.8
key l; sleep 0.6
answer "1,1"; answer "2,3"; answer "E"
wait_copy "Unnamed*.dwg"
hard_kill
start
yes_to_offer
main_window
# Save As: the program's own dialog takes the name.
key ctrl+s
box=$(window_named "^Save As$")
[ -n "$box" ] || fail "Ctrl+S on the restored unnamed drawing showed no Save As"
sleep 0.5
xdotool windowfocus --sync "$box" 2>/dev/null; xdotool type --delay 30 "restored"; sleep 0.2; xdotool key Return
saved=""
for _ in $(seq 50); do
  saved=$(find "$work" "$HOME/Documents" -maxdepth 3 -name restored.dwg 2>/dev/null | head -n 1)
  [ -n "$saved" ] && break; sleep 0.1
done
[ -n "$saved" ] || fail "Save As wrote no restored.dwg"
sleep 0.5
tr -d '\r' < "$saved" | tr '\n' ' ' | grep -q " 1 1 2 3 " || fail "the restored unnamed Line is not in $saved"
ls "$dir/Recovery/"Unnamed*.dwg >/dev/null 2>&1 && fail "the unnamed copy is still there after Save As"
case "$saved" in "$work"/*) ;; *) rm -f "$saved"; fail "Save As wrote outside the test folder: $saved" ;; esac
echo "e2e: a named and an unnamed drawing restored after SIGKILL and saved"
cleanup
exit 0
