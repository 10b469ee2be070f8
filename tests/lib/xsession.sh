# Shared by the real-window tests: an X server with a window manager. Source
# it; it cleans up on exit.

. "$(dirname "${BASH_SOURCE[0]}")/checks.sh"

pids=()
xvfb=
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
}
trap cleanup EXIT

# Xvfb at 1024x768 on a free display, openbox on it; exports DISPLAY.
start_x() {
    local display= n
    for n in $(seq 90 150); do
        if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
            display=:$n
            break
        fi
    done
    [ -n "$display" ] || { echo "no free X display number"; exit 1; }
    Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    export DISPLAY=$display
    XDG_RUNTIME_DIR=$(mktemp -d)
    export XDG_RUNTIME_DIR
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    openbox >/dev/null 2>&1 &
    pids+=($!)
    sleep 0.5
}

# Waits for a visible window of that process, or with the title; sets $win.
wait_for_window() { # seconds [pid]
    local find=(--name "^$title\$")
    [ $# -gt 1 ] && find=(--pid "$2")
    win=
    for _ in $(seq $(($1 * 10))); do
        win=$(xdotool search --onlyvisible "${find[@]}" 2>/dev/null | head -n 1)
        [ -n "$win" ] && break
        sleep 0.1
    done
    [ -n "$win" ] || { echo "the window did not appear"; exit 1; }
    sleep 0.5
}

# Client-relative click, as a person would do it with the mouse.
click() {
    xdotool mousemove --window "$win" "$1" "$2" click 1
    sleep 0.3
}

# Ends with this status within 5 seconds.
ends_with() { # status
    local status
    for _ in $(seq 50); do
        if ! kill -0 "$app" 2>/dev/null; then
            wait "$app"
            status=$?
            [ "$status" = "$1" ] || echo "  exit status $status"
            [ "$status" = "$1" ]
            return
        fi
        sleep 0.1
    done
    echo "  still running"
    return 1
}

# The screen around the centred window.
screenshot() { # file
    import -window root -crop 470x410+277+180 +repage "$1"
}

# The whole frame centred on the 1024x768 screen, the client 450x351; twice
# the offset of the frame's centre may be the tolerance.
centred() { # tolerance in pixels, 2 unless given
    local tolerance=${1:-2}
    local info x y w h extents l r t b
    info=$(xwininfo -id "$win")
    x=$(awk '/Absolute upper-left X/ {print $NF}' <<<"$info")
    y=$(awk '/Absolute upper-left Y/ {print $NF}' <<<"$info")
    w=$(awk '/Width:/ {print $NF}' <<<"$info")
    h=$(awk '/Height:/ {print $NF}' <<<"$info")
    extents=$(xprop -id "$win" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    read -r l r t b <<<"$extents"
    local fx=$((x - l)) fy=$((y - t)) fw=$((w + l + r)) fh=$((h + t + b))
    echo "  client ${w}x${h} at $x,$y; frame ${fw}x${fh} at $fx,$fy"
    [ "$w" = 450 ] && [ "$h" = 351 ] &&
        [ $((2 * fx + fw - 1024)) -ge -$tolerance ] && [ $((2 * fx + fw - 1024)) -le $tolerance ] &&
        [ $((2 * fy + fh - 768)) -ge -$tolerance ] && [ $((2 * fy + fh - 768)) -le $tolerance ]
}
