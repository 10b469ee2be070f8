#!/usr/bin/env bash
# The program in a real X server with a window manager, driven by xdotool as a
# person would drive it. Screenshots are left in the given folder.
set -uo pipefail

program=$1
render=$2
shots=$3
mkdir -p "$shots"
rm -f "$shots"/*.png

failures=0
passes=0
check() { # description, then a command that must succeed
    local what=$1
    shift
    if "$@"; then
        passes=$((passes + 1))
        echo "ok: $what"
    else
        failures=$((failures + 1))
        echo "FAILED: $what"
    fi
}

display=
for n in $(seq 90 150); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
        display=:$n
        break
    fi
done
[ -n "$display" ] || { echo "no free X display number"; exit 1; }

Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
    kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
}
trap cleanup EXIT
export DISPLAY=$display
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 0.5

"$render" "$shots" || { echo "could not draw the reference pictures"; exit 1; }

title=$(printf '\u0645\u0648\u0627\u0635\u0641\u0627\u062a\u0643 \u0645\u0646 \u0627\u0644\u0641\u0627\u0643\u0647\u0647 \u0627\u0644\u062a\u0649 \u062a\u062d\u0628\u0647\u0627')

# Starts the program; sets $app and $win.
start() {
    "$program" 2>>"$shots/stderr.txt" &
    app=$!
    pids+=("$app")
    win=
    for _ in $(seq 100); do
        win=$(xdotool search --onlyvisible --pid "$app" --name . 2>/dev/null | head -n 1)
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

# The description label as the screen shows it, against its offscreen drawing.
m_shows() { # state name
    import -window "$win" -crop 417x121+16+208 +repage "$shots/real-m-$1.png" 2>/dev/null
    local diff
    diff=$(compare -metric AE "$shots/real-m-$1.png" "$shots/m-$1.png" null: 2>&1)
    [ "$diff" = 0 ] || { echo "  $diff pixels differ from m-$1.png"; return 1; }
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

# The whole frame centred on the 1024x768 screen, the client 450x351.
centred() {
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
        [ $((2 * fx + fw - 1024)) -ge -2 ] && [ $((2 * fx + fw - 1024)) -le 2 ] &&
        [ $((2 * fy + fh - 768)) -ge -2 ] && [ $((2 * fy + fh - 768)) -le 2 ]
}

# First run: clicks and keys, then Command1.
start
check "window title" [ "$(xdotool getwindowname "$win")" = "$title" ]
check "opens centred at 450x351" centred
# Motif hints: functions (second field) without maximise (0x10).
no_maximise() {
    local functions
    functions=$(xprop -id "$win" _MOTIF_WM_HINTS | sed 's/.*= //' | cut -d, -f2)
    [ -n "$functions" ] && [ $((functions & 0x10)) = 0 ] && [ $((functions & 0x20)) != 0 ]
}
check "the frame offers no maximise" no_maximise
import -window root -crop 470x410+277+180 +repage "$shots/start.png"
check "greeting shown at start" m_shows greeting
click 170 87 # the banana
check "banana click shows its text" m_shows w4
click 270 145 # the apricot's name
check "apricot name click shows its text" m_shows w1
click 67 110 # between orange and apple: nothing
check "click in a gap changes nothing" m_shows w1
import -window root -crop 470x410+277+180 +repage "$shots/apricot.png"
xdotool windowactivate --sync "$win" key Tab space
sleep 0.3
check "Tab then Space presses Command2" m_shows credit
click 402 91 # the grapes
check "grapes after the credit" m_shows w2
click 180 339 # Command2
check "Command2 click shows the credit" m_shows credit
import -window root -crop 470x410+277+180 +repage "$shots/credit.png"
click 269 339 # Command1
check "Command1 ends with status 0" ends_with 0

# Second run: closed through the frame while a trait text is shown.
start
check "a fresh start shows the greeting" m_shows greeting
click 340 90
check "strawberry click shows its text" m_shows w3
wmctrl -c "$title"
check "closing the frame ends with status 0" ends_with 0

# Third run: Enter on the focused Command1 ends it.
start
xdotool windowactivate --sync "$win" key Return
check "Enter on the focused Command1 ends with status 0" ends_with 0

if [ -s "$shots/stderr.txt" ]; then
    echo "the program wrote to stderr:"
    cat "$shots/stderr.txt"
fi
echo "$passes passed, $failures failed"
[ "$failures" = 0 ]
