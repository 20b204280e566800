# Shared by the end-to-end runs of tests/e2e; sourced, not run.
#
# Each run plays in a fresh folder that looks like an installation: the tools
# and data/ are links into build/dist, and ./qxdata is a small wrapper that
# starts the real game and keeps its process id and exit code, because the
# launcher starts the game detached and the game outlives it.
#
# The scripts wait for what they need to see (a window, a picture, a file)
# rather than for a fixed time. The only fixed pauses are the player's hand
# in press(), menu_click() and play_click(): the game reads the mouse once a
# frame, and nothing on screen says that a frame has passed.
#
# The game is driven the way a player would: the SDL window takes the mouse
# in relative mode, so only relative pointer moves reach it. The menu cursor
# follows the pointer one to one, the play cursor by twice the motion (the
# game's rule); both start where the game puts them, so the script keeps
# track of where they are instead of asking X.

# The runs of this folder are called with DIST_DIR QXTOOL and leave these to
# this file; the tools' own runs set E2E_DIST themselves.
set -u
if [ -z "${E2E_DIST:-}" ]; then E2E_DIST=${1:?}; QXTOOL=${2:?}; fi
E2E_RUN=${E2E_RUN:?}
E2E_EVIDENCE=$(cd "$E2E_DIST/.." && pwd)/test-evidence
mkdir -p "$E2E_EVIDENCE"
rm -f "$E2E_EVIDENCE/$E2E_RUN"-*.png

# The game needs a real X11 window (the suite exports the dummy driver for
# the unit tests); sound stays silent.
unset SDL_VIDEODRIVER
export SDL_AUDIODRIVER=dummy GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1

WORK=$(mktemp -d "${TMPDIR:-/tmp}/vistrel-$E2E_RUN-XXXXXX")
SCRATCH=$WORK/.scratch
mkdir -p "$SCRATCH"
TOOL_PID=

cleanup() {
  [ -n "$TOOL_PID" ] && still_running "$TOOL_PID" && kill "$TOOL_PID" 2>/dev/null
  local game
  game=$(cat "$WORK/game.pid" 2>/dev/null)
  [ -n "$game" ] && still_running "$game" && kill "$game" 2>/dev/null
  # E2E_KEEP=1 keeps the folder for a look after a failure.
  [ -n "${E2E_KEEP:-}" ] && echo "Lauf-Ordner: $WORK" >&2 || rm -rf "$WORK"
  return 0
}
trap cleanup EXIT

shot() { import -window root "$E2E_EVIDENCE/$E2E_RUN-$1.png" 2>/dev/null; }

fail() {
  echo "FEHLER ($E2E_RUN): $*" >&2
  shot fehler
  {
    echo "--- Fenster:"
    xwininfo -root -tree 2>/dev/null | grep '"' | head -20
    echo "--- Spiel: pid $(cat "$WORK/game.pid" 2>/dev/null), Code $(cat "$WORK/game.rc" 2>/dev/null)"
    local log
    for log in "$WORK"/*.log; do [ -s "$log" ] && { echo "--- $(basename "$log"):"; tail -20 "$log"; }; done
  } >&2
  exit 1
}

# A process has ended once it is gone or only a zombie is left of it.
still_running() {
  local state
  state=$(ps -o stat= -p "$1" 2>/dev/null) || return 1
  [ -n "$state" ] && [ "${state#Z}" = "$state" ]
}

# wait_until SECONDS COMMAND...: polls COMMAND every 0.2 s.
wait_until() {
  local deadline=$((SECONDS + $1))
  shift
  while ! "$@"; do
    [ $SECONDS -ge $deadline ] && return 1
    sleep 0.2
  done
}

make_installation() {
  local tool
  for tool in vistrel editor wizard; do ln -s "$E2E_DIST/$tool" "$WORK/$tool"; done
  ln -s "$E2E_DIST/data" "$WORK/data"
  # Under AddressSanitizer the game draws without OpenGL: SDL unloads Mesa's
  # swrast_dri before the leak check, and the memory that driver keeps for
  # the process's life then shows as leaks of an unknown module, which no
  # suppression can name. The frames still go through the same SDL renderer
  # calls.
  local renderer=
  ldd "$E2E_DIST/qxdata" | grep -q libasan && renderer="SDL_RENDER_DRIVER=software SDL_FRAMEBUFFER_ACCELERATION=0"
  # Its files are written aside and renamed, so they are never read half-written.
  cat > "$WORK/qxdata" <<EOF
#!/bin/sh
$renderer "$E2E_DIST/qxdata" > game.log 2>&1 &
echo \$! > game.pid.tmp && mv game.pid.tmp game.pid
wait \$!
echo \$? > game.rc.tmp && mv game.rc.tmp game.rc
EOF
  chmod +x "$WORK/qxdata"
  cd "$WORK" || exit 1
}

# The installation's built-in pictures, and the one behind the menu (image
# slot 27, the third built-in picture) for shows_menu.
use_builtin_pictures() {
  "$QXTOOL" extract data/igdata.qxs "$SCRATCH/ig" > /dev/null || fail "qxtool extract igdata.qxs"
  MENU_BACKGROUND=$SCRATCH/ig/pair002_1.jpg
}

window_named() { xwininfo -root -tree 2>/dev/null | grep -q "\"$1\""; }
window_id() { xwininfo -root -tree 2>/dev/null | awk -v name="\"$1\":" '$2 == name { print $1; exit }'; }

game_started() { [ -s "$WORK/game.pid" ] && window_named "Qualdrex Engine"; }
game_ended() { [ -s "$WORK/game.rc" ]; }
expect_game_exit_zero() {
  wait_until 60 game_ended || fail "Das Spiel endet nicht."
  [ "$(cat "$WORK/game.rc")" = 0 ] || fail "Das Spiel endet mit Code $(cat "$WORK/game.rc")."
}

# Starts the launcher from the installation and waits until its dialog is
# on screen.
start_launcher() {
  ./vistrel > launcher.log 2>&1 &
  TOOL_PID=$!
  wait_until 30 dialog_shown "Vistrel v1.0" || fail "Der Launcher öffnet sich nicht."
  LAUNCHER_WID=$WID
  wait_until 5 screen_settled
  shot launcher
}
# "Vistrel starten !" sits at dialog units 36,94 (85 x 14), about 157,216 in
# pixels at the default font. A click reaches it through the pointer whether
# or not the dialog holds the focus; the launcher then ends.
start_from_launcher() {
  xdotool mousemove --sync --window "$LAUNCHER_WID" 157 216 click 1
  wait "$TOOL_PID" || fail "Der Launcher endet mit Code $?."
  TOOL_PID=
}

# Skips the intro with a key. A key pressed while the game is still busy
# starting can go astray, so it is pressed again until the menu shows; a
# second one in the menu does nothing.
skip_intro() {
  local try
  for try in 1 2 3; do
    xdotool key space
    wait_until 10 shows_menu && return 0
  done
  fail "Das Menü erscheint nicht nach dem Überspringen des Intros."
}

# --- Looking at the screen -------------------------------------------------

grab() { import -window root "$SCRATCH/screen.png" 2>/dev/null; }

# Nothing on screen moves: two grabs a fifth of a second apart are alike.
# Used before a picture is kept as evidence, once an animation is over.
screen_settled() {
  import -window root "$SCRATCH/settle-a.png" 2>/dev/null || return 1
  sleep 0.2
  import -window root "$SCRATCH/settle-b.png" 2>/dev/null || return 1
  below "$(compare -metric RMSE "$SCRATCH/settle-a.png" "$SCRATCH/settle-b.png" null: 2>&1 | sed 's/.*(\(.*\)).*/\1/')" 0.002
}

# Root-mean-square difference (0..1) between a region of the last screen
# grab and a picture file, both shrunk to a tenth: small enough that the
# cursor, the markers and JPEG noise hardly count, large enough that a
# covered or different picture does.
region_difference() {  # W H X Y FILE [FILE_W FILE_H FILE_X FILE_Y]
  local w=$(($1 / 10)) h=$(($2 / 10)) part=
  [ $# -gt 5 ] && part="-crop $6x$7+$8+$9 +repage"
  convert "$SCRATCH/screen.png" -crop "$1x$2+$3+$4" +repage -resize "${w}x${h}!" "$SCRATCH/a.png" &&
    convert "$5" $part -resize "${w}x${h}!" "$SCRATCH/b.png" &&
    compare -metric RMSE "$SCRATCH/a.png" "$SCRATCH/b.png" null: 2>&1 | sed 's/.*(\(.*\)).*/\1/'
}
below() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a + 0 < b + 0) }'; }

shows_menu() { grab && below "$(region_difference 1024 768 0 0 "$MENU_BACKGROUND")" 0.15; }
# The left picture in the play screen, uncovered and without the banners.
shows_picture() { grab && below "$(region_difference 490 430 10 73 "$1")" 0.1; }
hides_picture() { grab && ! below "$(region_difference 490 430 10 73 "$1")" 0.2; }
# The level-complete summary covers (100, 180)-(900, 350) of the screen,
# picture pixels (90..890, 107..277) of the left picture.
shows_summary() { grab && ! below "$(region_difference 380 150 110 190 "$1" 380 150 100 117)" 0.25; }

pixel() { convert "$SCRATCH/screen.png" -format "%[fx:int(255*p{$1,$2}.r)] %[fx:int(255*p{$1,$2}.g)] %[fx:int(255*p{$1,$2}.b)]" info:; }
# The third of the four outlines the game draws into a picture around a
# found (blue) or revealed (red) difference.
is_colour() {  # blue|red X Y
  local r g b
  read -r r g b < <(pixel "$2" "$3")
  case $1 in
    blue) [ "$r" -le 40 ] && [ "$g" -le 40 ] && [ "$b" -ge 170 ] ;;
    red) [ "$r" -ge 170 ] && [ "$g" -le 40 ] && [ "$b" -le 40 ] ;;
  esac
}
# Rectangle "x1 x2 y1 y2" in picture pixels, outlined in both pictures. The
# third outline runs along x1 + 2 and y1 + 2; three points on each of these
# two edges, so that the level-complete summary, confetti or a neighbouring
# outline over some of them does not hide the others.
outlined_in() {  # blue|red PICTURE_X x1 x2 y1 y2
  local colour=$1 at=$2 x1=$3 x2=$4 y1=$5 y2=$6 k
  for k in 1 2 3; do
    is_colour "$colour" $((at + x1 + 2)) $((73 + y1 + (y2 - y1) * k / 4)) && return 0
    is_colour "$colour" $((at + x1 + (x2 - x1) * k / 4)) $((73 + y1 + 2)) && return 0
  done
  return 1
}
outlined() {  # blue|red "x1 x2 y1 y2"
  grab || return 1
  # shellcheck disable=SC2086  # the four numbers are meant to split
  outlined_in "$1" 10 $2 && outlined_in "$1" 524 $2
}
# Blue outline around "x1 x2 y1 y2", or else COMMAND succeeds (on the same
# screen grab when it looks at the screen).
outlined_or() {  # "x1 x2 y1 y2" [COMMAND...]
  local rect=$1
  shift
  outlined blue "$rect" || { [ $# -gt 0 ] && "$@"; }
}

# --- Mouse and keys for the game -------------------------------------------

# A press shorter than a frame or two can fall between the game's readings,
# and so can a release: these two pauses are the player's hand, not a wait.
press() {
  xdotool mousedown 1
  sleep 0.15
  xdotool mouseup 1
  sleep 0.25
}

MENU_X=0 MENU_Y=0
# The game reads the pointer once at start-up as the menu cursor; nothing
# moves the pointer before the first menu click.
take_menu_cursor() { eval "$(xdotool getmouselocation --shell)"; MENU_X=$X MENU_Y=$Y; }
menu_click() {  # X Y
  xdotool mousemove_relative -- $(($1 - MENU_X)) $(($2 - MENU_Y))
  MENU_X=$1 MENU_Y=$2
  sleep 0.3  # the move is read in a frame before the press
  press
}

# The play cursor starts at (100, 100) in the first level of a game and moves
# by twice the pointer motion, so it only reaches even offsets from there.
PLAY_X=100 PLAY_Y=100
play_click() {  # X Y (screen pixels; rounded to what the cursor can reach)
  local x=$(($1 - ($1 % 2 + 2) % 2)) y=$(($2 - ($2 % 2 + 2) % 2))
  xdotool mousemove_relative -- $(((x - PLAY_X) / 2)) $(((y - PLAY_Y) / 2))
  PLAY_X=$x PLAY_Y=$y
  sleep 0.2  # the move is read in a frame before the press
  press
}

# The game tests a click against picture-local X = cursor x + 10 in the left
# picture and X = cursor x - 500 in the right one, Y = cursor y - 73 in both.
click_difference() {  # left|right "x1 x2 y1 y2"
  local x1 x2 y1 y2
  read -r x1 x2 y1 y2 <<< "$2"
  local x=$(((x1 + x2) / 2)) y=$(((y1 + y2) / 2))
  if [ "$1" = left ]; then play_click $((x - 10)) $((y + 73)); else play_click $((x + 500)) $((y + 73)); fi
}

# Clicks a difference and waits for its blue outline; a click that landed
# before the search began is repeated. COMMAND, if given, is another sign of
# the find: the level-complete summary that follows the fifth find can cover
# its outline for as long as the summary is shown.
find_difference() {  # left|right "x1 x2 y1 y2" [COMMAND...]
  local side=$1 rect=$2 try
  shift 2
  for try in 1 2 3; do
    click_difference "$side" "$rect"
    wait_until 8 outlined_or "$rect" "$@" && return 0
  done
  fail "Der Fehler $rect wird nicht als gefunden markiert."
}

# Clicks until COMMAND succeeds, for screens that take a click only after a
# while (the level summary, the end of the time).
press_until() {  # SECONDS COMMAND...
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ $SECONDS -ge $deadline ] && return 1
    press
  done
}

# rects_of FILE: the five rectangles of a picture as "x1 x2 y1 y2" lines,
# from the text qxtool extract writes beside it.
rects_of() { grep -v '^#' "$1"; }

played_count() { od -An -tu1 -v "$1" 2>/dev/null | tr -s ' ' '\n' | grep -c '^1$'; }
# played_indexes FILE: the numbers (from 1) of the played pairs, a line each.
played_indexes() { od -An -tu1 -v "$1" | tr -s ' ' '\n' | grep -v '^$' | grep -n '^1$' | cut -d: -f1; }

# --- Dialog programs ---------------------------------------------------------

# Sets WID to the first mapped window whose name contains NAME.
dialog_shown() { WID=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1); [ -n "$WID" ]; }
dialog_gone() { ! xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }
process_ended() { ! still_running "$1"; }
# The window holds the keyboard focus.
has_focus() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }

# Drags a rectangle in the difference editor from client point (X1, Y1) to
# (X2, Y2) the way a hand would. The dialog follows the drag by the motions
# it sees, and X tells a busy program of only some of them: the pointer
# moves until the outline follows it, and is let go there.
drag_rectangle() {  # WINDOW X1 Y1 X2 Y2
  local window=$1 x1=$2 y1=$3 x2=$4 y2=$5 try
  # The dialog keeps a rectangle inside the left picture.
  local right=$((x2 < 498 ? x2 : 498)) bottom=$((y2 < 440 ? y2 : 440))
  xdotool mousemove --sync --window "$window" "$x1" "$y1" mousedown 1
  for try in 1 2 3 4 5; do
    xdotool mousemove --sync --window "$window" $(((x1 + x2) / 2)) $(((y1 + y2) / 2))
    xdotool mousemove --sync --window "$window" "$x2" "$y2"
    wait_until 1 outline_reaches "$window" "$right" "$bottom" && break
  done
  xdotool mouseup 1
  wait_until 5 outline_reaches "$window" "$right" "$bottom" ||
    fail "Der Differenzeditor zeigt das gezogene Rechteck $x1,$y1 - $x2,$y2 nicht."
}
# The current difference's third ring is drawn in (200, 0, 0), two pixels in
# from its edges: looked at on the right edge, just above the corner (X2, Y2).
outline_reaches() {  # WINDOW X2 Y2 (client pixels)
  local origin_x origin_y
  read -r origin_x origin_y < <(xdotool getwindowgeometry --shell "$1" | awk -F= '$1 == "X" { x = $2 } $1 == "Y" { y = $2 } END { print x, y }')
  grab || return 1
  is_colour red $((origin_x + $2 - 3)) $((origin_y + $3 - 10)) || is_colour red $((origin_x + $2 - 2)) $((origin_y + $3 - 10))
}
