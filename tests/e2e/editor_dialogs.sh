# Driving the editor's main dialog and the GTK file dialogs with xdotool,
# shared by the editor's own end-to-end run and the runs in this folder.
# The sourcing script has sourced common.sh.

shown_window() {  # name regex -> window id, once it is on screen
  local id
  id=$(timeout 30 xdotool search --sync --onlyvisible --name "$1" | head -1)
  [ -n "$id" ] || fail "Fenster '$1' erscheint nicht"
  echo "$id"
}
# Without a window manager a new window does not take the focus by itself.
wait_window() {  # name regex -> window id, shown and focused
  local id
  id=$(shown_window "$1") || exit 1
  focus_to() { xdotool windowfocus --sync "$1" 2> /dev/null; has_focus "$1"; }
  wait_until 10 focus_to "$id" || fail "Fenster '$1' bekommt den Fokus nicht"
  echo "$id"
}
# Destroyed, or only hidden (GTK keeps some dialogs for the next use).
window_gone() { ! xwininfo -id "$1" 2> /dev/null | grep -q IsViewable; }

# Takes the main dialog's position and size (X, Y, WIDTH, HEIGHT) for click_dlu.
measure_dialog() { eval "$(xdotool getwindowgeometry --shell "$1")"; }

# The dialog is 467 x 251 dialog units; a click goes to a control's top-left
# corner in dialog units plus a few pixels into it (10 unless given). The
# dialog takes X events in order, so what follows a click sees its effect.
click_dlu() {
  xdotool mousemove --sync $((X + $1 * WIDTH / 467)) $((Y + $2 * HEIGHT / 251 + ${3:-10})) click 1
}

# The focus is on one of the windows of WINDOW's program.
program_has_focus() {  # WINDOW
  local focused
  focused=$(xdotool getwindowfocus 2> /dev/null) || return 1
  [ "$(xdotool getwindowpid "$focused" 2> /dev/null)" = "$(xdotool getwindowpid "$1" 2> /dev/null)" ]
}

# Types a full path into the GTK file dialog: a leading "/" opens the
# location field. The dialog is modal, so it gets the program's keys while
# any window of the program holds the focus, and, not focused from here, it
# gives the focus back to its parent when it closes. After a message box
# focused from here the focus is on the root window, and the dialog gets it. The chooser takes keys only once it has filled its lists,
# and its completion can swallow a Return; nothing on screen says either, so
# while the dialog stays the path is typed again over what is there.
choose_file() {
  local dialog try
  dialog=$(shown_window 'ffnen$|^Speichern unter$') || exit 1  # "Öffnen" or "Speichern unter"
  program_has_focus "$dialog" || xdotool windowfocus --sync "$dialog" 2> /dev/null
  for try in 1 2 3 4 5; do
    [ "$try" -gt 1 ] && xdotool key ctrl+a
    xdotool type --delay 15 "$1"
    xdotool key Return
    wait_until 5 window_gone "$dialog" && return 0
  done
  fail "Dateidialog schließt nicht für $1"
}

# Loads both pictures of the selected line through "laden" for Bild 1 and 2.
load_pictures() {  # FIRST.jpg SECOND.jpg
  click_dlu 380 114
  choose_file "$1"
  click_dlu 380 130
  choose_file "$2"
}

# Closes the editor's message box (a question or a success message) with
# its default button.
close_message() {
  local box
  box=$(wait_window '^Vistrel Spieldateneditor$')
  xdotool key Return
  wait_until 15 window_gone "$box" || fail "Die Meldung schließt nicht mit Return."
}
