# Helpers for the end-to-end scripts: they drive real windows on a private X server with xdotool,
# as a user would, and compare screenshots with the framework's own rendering.

# Runs "$@" until it succeeds, for at most five seconds.
eventually() {
  for _ in $(seq 100); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.05
  done
  "$@"
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

# Helpers for the hostile-environment scripts: typing into a field, one-line messages, free displays.

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
