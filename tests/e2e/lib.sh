# Shared by the end-to-end tests: a private Xvfb display, a scratch folder
# with cleanup, starting the program and finding its window, keys and the
# caption. Source it after setting `prog` and `fix`; then call e2e_display.
work=$(mktemp -d); rt=$(mktemp -d); chmod 700 "$rt"
xpid=""; apid=""; WIN=""
cleanup() {
  [ -n "$apid" ] && kill "$apid" 2>/dev/null
  [ -n "$xpid" ] && kill "$xpid" 2>/dev/null
  wait 2>/dev/null; rm -rf "$work" "$rt"
}
fail() { echo "FAIL: $*"; cleanup; exit 1; }

# A display of its own. Xvfb picks the number itself (-displayfd) under its
# lock files, so two tests, or a test and a server still shutting down, never
# share one.
e2e_display() {
  for _ in 1 2 3; do
    : > "$work/display"
    Xvfb -displayfd 3 -screen 0 1400x1000x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 & xpid=$!
    for _ in $(seq 100); do [ -s "$work/display" ] && break; kill -0 "$xpid" 2>/dev/null || break; sleep 0.1; done
    if [ -s "$work/display" ]; then
      export DISPLAY=":$(head -n 1 "$work/display")"
      for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
      xdpyinfo >/dev/null 2>&1 && return 0
    fi
    kill "$xpid" 2>/dev/null; xpid=""
  done
  fail "no Xvfb display"
}

# Starts the program of folder $dir and waits for its window. A program
# that could not reach the display (seen once on a loaded machine) is
# started again on a fresh display, when no other program uses this one.
start() {
  local attempt
  for attempt in 1 2; do
    XDG_RUNTIME_DIR=$rt QT_QPA_PLATFORM=xcb "$dir/zarnic" >"$work/log" 2>&1 & apid=$!
    WIN=""
    for _ in $(seq 100); do
      WIN=$(xdotool search --onlyvisible --pid "$apid" 2>/dev/null | head -n 1)
      [ -n "$WIN" ] && break
      kill -0 "$apid" 2>/dev/null || break
      sleep 0.1
    done
    [ -n "$WIN" ] && break
    [ "$attempt" = 1 ] && [ -z "${started_once:-}" ] && grep -q "could not connect to display" "$work/log" || break
    kill "$xpid" 2>/dev/null; wait "$xpid" 2>/dev/null; xpid=""
    e2e_display
  done
  [ -n "$WIN" ] || fail "no window (log: $(cat "$work/log"))"
  started_once=1
  sleep 1
}
caption() { xdotool getwindowname "$WIN"; }
wait_caption() {
  for _ in $(seq 50); do [ "$(caption)" = "$1" ] && return 0; sleep 0.1; done
  return 1
}
key() { xdotool windowfocus --sync "$WIN" 2>/dev/null; xdotool key --clearmodifiers "$@"; }
type_text() { xdotool windowfocus --sync "$WIN" 2>/dev/null; xdotool type --delay 30 -- "$1"; }
ended() { for _ in $(seq 50); do kill -0 "$apid" 2>/dev/null || return 0; sleep 0.1; done; return 1; }
# The program's folder $dir with the program, the font's character drawings
# and the test symbols, and a boards folder beside it.
e2e_folder() {
  dir="$work/bin"
  mkdir -p "$dir" "$work/boards"
  cp "$prog" "$dir/zarnic"
  cp "$(dirname "$prog")"/F-*.dwg "$fix"/shapes/*.dwg "$dir/"
}
# A recent-file list naming one drawing.
recent_list() {
  printf '%s/\r\n%s\r\n' "$1" "$2" > "$dir/Zarnic_Last_Group_Open.dat"
  for _ in $(seq 9); do printf '\r\n\r\n' >> "$dir/Zarnic_Last_Group_Open.dat"; done
}
# Waits until a save of drawing $1 has finished: its backup is there and the
# file itself has been replaced by the new version (the backup is copied
# before the new file is renamed over the old one).
wait_saved() {
  local f=$1 b="${1%.*}.BAK"
  for _ in $(seq 100); do
    [ -e "$b" ] && ! cmp -s "$f" "$b" && return 0
    sleep 0.1
  done
  return 1
}
# Starts the program on the fixture example.dwg, opened from the recent list
# as boards/amp.dwg ($f), and fits it to the window (F11).
open_example() {
  e2e_folder
  cp "$fix/example.dwg" "$work/boards/amp.dwg"
  recent_list "$work/boards" amp.dwg
  f="$work/boards/amp.dwg"
  start
  for _ in $(seq 50); do caption | grep -q amp.dwg && break; sleep 0.1; done
  caption | grep -q amp.dwg || fail "the drawing did not open: '$(caption)'"
  key F11; sleep 1
}
# Ctrl+S, then waits until drawing $1 is written anew: its modification time
# changes (its text may be the same as before).
save_anew() {
  local before; before=$(stat -c %y "$1")
  sleep 1.1  # a new modification time even on coarse clocks
  key ctrl+s
  for _ in $(seq 100); do [ "$(stat -c %y "$1")" != "$before" ] && sleep 0.3 && return 0; sleep 0.1; done
  fail "Ctrl+S did not write the drawing"
}
# Waits for a window of the program other than its main window (a message
# box or a dialog) and prints its id; prints nothing when none comes.
other_window() {
  local w=""
  for _ in $(seq 80); do
    w=$(xdotool search --onlyvisible --pid "$apid" 2>/dev/null | grep -v "^$WIN\$" | head -n 1)
    [ -n "$w" ] && break; sleep 0.1
  done
  echo "$w"
}
# Waits for a visible window whose name matches the pattern $1 and prints
# its id; prints nothing when none comes within five seconds.
window_named() {
  local w=""
  for _ in $(seq 50); do
    w=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
    [ -n "$w" ] && break; sleep 0.1
  done
  echo "$w"
}
# The extents a drawing file ends with: min X, max X, min Y, max Y.
extents_of() { tr -d '\r' < "$1" | tail -n 4 | tr '\n' ' '; }
# Starts the program on the shipped example drawing $1 (examples/ beside the
# program), opened from the recent list out of the boards folder, with the
# library symbols of prefix $2 in the program's folder; $name is the example.
open_shipped() {
  e2e_folder
  local bin; bin="$(dirname "$prog")"
  cp "$bin"/"$2"*.dwg "$bin/Zarnic_Help.hlp" "$dir/"
  name=$1
  cp "$bin/examples/$name.dwg" "$work/boards/"
  recent_list "$work/boards" "$name.dwg"
  start
  for _ in $(seq 50); do caption | grep -q "$name" && break; sleep 0.1; done
  caption | grep -q "$name" || fail "the example did not open: '$(caption)'"
}
