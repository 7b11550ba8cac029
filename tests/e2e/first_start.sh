#!/usr/bin/env bash
# End-to-end: the real program under a private Xvfb display, in a scratch copy
# of its folder. Checks from outside the process: the first-start caption and
# data files, a recent list that reopens a drawing, Ctrl+S with its backup,
# and Ctrl+Q ending the run of an unchanged drawing without a question.
set -u
prog=$1
fixture="$(cd "$(dirname "$0")/.." && pwd)/fixtures/example.dwg"
source "$(dirname "$0")/lib.sh"
e2e_display

mkdir -p "$work/bin"
cp "$prog" "$work/bin/zarnic"
# The installation's data: the stroke font's character drawings.
cp "$(dirname "$prog")"/F-*.dwg "$work/bin/"
dir="$work/bin"

# 1. First start in an empty folder.
start
want="Zarnic  No File.  <Font: F->  <Shapes: Sc>  Draw Color = White     Line Type = Solid "
wait_caption "$want" || fail "first caption was '$(caption)'"
[ "$(wc -l < "$dir/Zarnic-Default.dat")" -eq 23 ] || fail "defaults file does not have 23 lines"
[ "$(head -n 2 "$dir/Zarnic-Default.dat")" = "$(printf '0\r\n16777215\r')" ] || fail "defaults file does not start with the factory lines"
[ "$(wc -l < "$dir/Zarnic_Last_Group_Open.dat")" -eq 20 ] || fail "recent list does not have 20 lines"
[ "$(tr -d '\r\n' < "$dir/Zarnic_Last_Group_Open.dat" | wc -c)" -eq 0 ] || fail "recent list lines are not empty"
key ctrl+q
ended || fail "Ctrl+Q did not end the unchanged drawing's run"
apid=""

# 2. A recent list naming a drawing opens it; Ctrl+S saves it with a backup.
mkdir -p "$work/boards"
cp "$fixture" "$work/boards/amp.dwg"
printf '%s/\r\namp.dwg\r\n' "$work/boards" > "$dir/Zarnic_Last_Group_Open.dat"
for _ in $(seq 9); do printf '\r\n\r\n' >> "$dir/Zarnic_Last_Group_Open.dat"; done
start
# The scratch folder is under /tmp, so the caption shows it whole.
want="Zarnic File: $work/boards/amp.dwg  <Font: F->  <Shape: B->  Draw Color = White     Line Type = Solid "
wait_caption "$want" || fail "caption after reopening was '$(caption)', wanted '$want'"
[ -e "$work/boards/amp.BAK" ] && fail "a backup exists before saving"
key ctrl+s
wait_saved "$work/boards/amp.dwg" || fail "Ctrl+S left no backup or no new file"
cmp -s "$fixture" "$work/boards/amp.BAK" || fail "the backup is not the previous version"
[ "$(sed -n 63p "$work/boards/amp.dwg" | tr -d '\r')" = "5.875" ] || fail "the saved drawing does not carry the new extents"
[ "$(wc -l < "$work/boards/amp.dwg")" -eq 65 ] || fail "the saved drawing does not have 65 lines"
key ctrl+q
ended || fail "Ctrl+Q did not end the run after saving"
apid=""
head -n 2 "$dir/Zarnic_Last_Group_Open.dat" | tr -d '\r' | tail -n 1 | grep -qx 'amp.dwg' || fail "recent list does not start with the drawing"
echo "e2e: first start, reopen, save with backup and end all passed"
cleanup
exit 0
