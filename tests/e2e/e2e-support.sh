# Helpers for the end-to-end scripts: they drive real windows on a private X server with xdotool,
# as a user would, and compare screenshots with the framework's own rendering.

# Runs "$@" until it succeeds. It gives up only after 100 tries and E2E_WAIT_SECONDS (10) seconds
# both: quick checks get the time a loaded machine needs to catch up, and slow ones (a screenshot
# comparison takes half a second under load) their tries. The last try speaks.
eventually() {
  local deadline=$((SECONDS + ${E2E_WAIT_SECONDS:-10})) tries=0
  until "$@" >/dev/null 2>&1; do
    if ((++tries >= 100 && SECONDS >= deadline)); then
      "$@"
      return
    fi
    sleep 0.05
  done
}

# The id of the visible window whose title is exactly $1.
window_named() {
  local id
  id=$(timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" | head -n1) || true
  [[ -n $id ]] || { echo "no window titled '$1' appeared" >&2; return 1; }
  echo "$id"
}

no_window_named() {
  ! xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1
}

# Whether the area WxH+X+Y of window $1 shows exactly the raw RGB pixels in file $3.
area_shows() {
  local window=$1 area=$2 expected=$3 shot
  shot=$(mktemp --suffix=.xwd)
  xwd -id "$window" -silent -out "$shot" &&
    /usr/bin/convert "$shot" -crop "$area" +repage "rgb:$shot.rgb" &&
    cmp -s "$shot.rgb" "$expected"
  local status=$?
  rm -f "$shot" "$shot.rgb"
  return $status
}

# The menu windows shown now, one id a line.
open_menus() {
  xdotool search --onlyvisible --name '^Menu_' 2>/dev/null || true
}

no_open_menu() {
  [[ -z $(open_menus) ]]
}

# The one menu window shown now other than those listed in $1.
new_menu() {
  local id
  for id in $(open_menus); do
    [[ " $1 " == *" $id "* ]] || { echo "$id"; return 0; }
  done
  return 1
}

# Waits for a menu window other than those listed in $1 to show, for at most $2 tries 0.05 s apart
# (100 by default: five seconds); prints its id.
wait_for_new_menu() {
  local id
  for _ in $(seq "${2:-100}"); do
    id=$(new_menu "$1") && { echo "$id"; return 0; }
    sleep 0.05
  done
  return 1
}

# Sets X, Y, WIDTH and HEIGHT to the place of window $1's client area on the screen; fails for a
# window that is gone. (xwininfo: xdotool counts a window manager's frame twice.)
geometry() {
  local info
  info=$(xwininfo -id "$1" 2>/dev/null) || return 1
  X=$(sed -n 's/^ *Absolute upper-left X: *//p' <<<"$info")
  Y=$(sed -n 's/^ *Absolute upper-left Y: *//p' <<<"$info")
  WIDTH=$(sed -n 's/^ *Width: *//p' <<<"$info")
  HEIGHT=$(sed -n 's/^ *Height: *//p' <<<"$info")
}

# Whether window $1 has the focus. The window manager gives a new window the focus on its own time.
has_focus() {
  [[ $(xdotool getactivewindow) == "$1" ]]
}

# Chooses from the drop-down menu that a click at $2,$3 in window $1 opens: rests on row $5 of its
# $4 rows (from 0), which opens a sub-menu, and clicks row $7 of that sub-menu's $6 rows. Both menus
# must close.
choose_from_menu() {
  local window=$1 rows=$4 row=$5 subRows=$6 subRow=$7 menu submenu height
  xdotool mousemove --window "$window" "$2" "$3" click 1
  menu=$(wait_for_new_menu "") || { echo "no menu opened" >&2; return 1; }
  geometry "$menu"
  height=$((HEIGHT / rows))
  xdotool mousemove $((X + 10)) $((Y + row * height + height / 2))
  submenu=$(wait_for_new_menu "$menu") || { echo "resting on row $row opened no sub-menu" >&2; return 1; }
  geometry "$submenu"
  height=$((HEIGHT / subRows))
  xdotool mousemove $((X + 10)) $((Y + subRow * height + height / 2)) click 1
  eventually no_open_menu || { echo "choosing left a menu open" >&2; return 1; }
}

# Waits for process $1 to end, for at most ten seconds; its exit status is the answer.
wait_for_exit() {
  local pid=$1
  for _ in $(seq 200); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.05
  done
  if kill -0 "$pid" 2>/dev/null; then
    echo "process $pid did not exit" >&2
    kill "$pid"
    return 1
  fi
  wait "$pid"
}

# Typing into a field, one-line messages, free displays.

# Clicks at x y in window $1 and types $4 there, then Return.
click_and_type() {
  xdotool mousemove --window "$1" "$2" "$3" click 1
  sleep 0.3
  xdotool type --delay 40 "$4"
  xdotool key Return
}

# Whether file $1 holds exactly one line and it matches the extended regular expression $2.
says_one_line() {
  [[ $(wc -l <"$1") == 1 ]] && grep -Eq "$2" "$1"
}

# A display number no X server serves: neither its socket nor its lock file exists.
free_display_number() {
  local number
  for number in $(seq 500 999); do
    [[ -e /tmp/.X11-unix/X$number || -e /tmp/.X$number-lock ]] || { echo "$number"; return 0; }
  done
  return 1
}
