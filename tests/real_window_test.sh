#!/usr/bin/env bash
# The program in a real X server with a window manager, driven by xdotool as a
# person would drive it. Screenshots are left in the given folder.
set -uo pipefail

program=$1
render=$2
shots=$3
mkdir -p "$shots"
rm -f "$shots"/*.png "$shots/stderr.txt"

. "$(dirname "$0")/lib/xsession.sh"
start_x

"$render" "$shots" || { echo "could not draw the reference pictures"; exit 1; }

# Starts the program, with any environment given; sets $app and $win.
start() {
    env "$@" "$program" 2>>"$shots/stderr.txt" &
    app=$!
    pids+=("$app")
    wait_for_window 10 "$app"
}

# The description label as the screen shows it, against its offscreen drawing.
m_shows() { # state name
    import -window "$win" -crop 417x121+16+208 +repage "$shots/real-m-$1.png" 2>/dev/null
    local diff
    diff=$(compare -metric AE "$shots/real-m-$1.png" "$shots/m-$1.png" null: 2>&1)
    [ "$diff" = 0 ] || { echo "  $diff pixels differ from m-$1.png"; return 1; }
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
screenshot "$shots/start.png"
check "greeting shown at start" m_shows greeting
click 170 87 # the banana
check "banana click shows its text" m_shows w4
click 270 145 # the apricot's name
check "apricot name click shows its text" m_shows w1
click 67 110 # between orange and apple: nothing
check "click in a gap changes nothing" m_shows w1
screenshot "$shots/apricot.png"
xdotool windowactivate --sync "$win" key Tab space
sleep 0.3
check "Tab then Space presses Command2" m_shows credit
click 402 91 # the grapes
check "grapes after the credit" m_shows w2
click 180 339 # Command2
check "Command2 click shows the credit" m_shows credit
screenshot "$shots/credit.png"
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

# The same window whatever the locale: a left-to-right Arabic one, and C.
locales=$(mktemp -d)
localedef -i ar_EG -f UTF-8 "$locales/ar_EG.UTF-8" 2>/dev/null
for lang in C ar_EG.UTF-8; do
    start LOCPATH="$locales" LANG=$lang LC_ALL=$lang
    check "LANG=$lang shows the same greeting" m_shows greeting
    import -window "$win" "$shots/lang-$lang.png"
    xdotool windowactivate --sync "$win" key Return
    check "LANG=$lang: Enter on Command1 ends with status 0" ends_with 0
done
rm -rf "$locales"
check "the same window under LANG=C and LANG=ar_EG.UTF-8" \
    [ "$(compare -metric AE "$shots/lang-C.png" "$shots/lang-ar_EG.UTF-8.png" null: 2>&1)" = 0 ]

if [ -s "$shots/stderr.txt" ]; then
    echo "the program wrote to stderr:"
    cat "$shots/stderr.txt"
fi
finish
