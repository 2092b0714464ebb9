# Sourced: start_xvfb starts a private X server on a free display and exports
# DISPLAY; stop_xvfb stops it again by its PID.
xvfb_pid=

start_xvfb() {
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    local i
    for i in $(seq 50); do
      if xdpyinfo -display ":$n" >/dev/null 2>&1; then
        export DISPLAY=":$n"
        return 0
      fi
      kill -0 "$xvfb_pid" 2>/dev/null || break
      sleep 0.1
    done
    kill "$xvfb_pid" 2>/dev/null || true
  done
  echo "Could not start Xvfb" >&2
  return 1
}

stop_xvfb() {
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=
  fi
}

# window_screenshot TITLE OUTPUT.png: waits up to 30 seconds for a window of
# that title to show and paint (its picture no longer mostly black), then
# saves its picture. Prints the window's id; fails when it never shows.
window_screenshot() {
  local title=$1 png=$2 window= n mean
  for n in $(seq 150); do
    window=$(xdotool search --name "$title" 2>/dev/null | head -1) && break
    sleep 0.2
  done
  [ -n "$window" ] || return 1
  for n in $(seq 60); do
    eval "$(xdotool getwindowgeometry --shell "$window")"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$png"
    mean=$(convert "$png" -format '%[fx:mean]' info:)
    awk -v m="$mean" 'BEGIN { exit !(m > 0.5) }' && break
    sleep 0.5
  done
  echo "$window"
}
