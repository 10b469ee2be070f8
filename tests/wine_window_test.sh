#!/usr/bin/env bash
# The Windows executable under wine, in a real X server, driven by xdotool.
# Screenshots are left in the given folder.
set -uo pipefail

exe=$1
shots=$2
mkdir -p "$shots"
rm -f "$shots"/*.png "$shots/stderr.txt"

. "$(dirname "$0")/lib/xsession.sh"
start_x

WINEPREFIX=$(mktemp -d)
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineboot -i >/dev/null 2>&1
wineserver -w

start() {
    wine "$exe" >/dev/null 2>&1 &
    app=$!
    pids+=("$app")
    wait_for_window 30
}

# The description label as the screen shows it now.
grab_m() { # name
    # import waits for a mouse pick when the window is gone: look first.
    xwininfo -id "$win" >/dev/null 2>&1 || { echo "  the window is gone"; return 1; }
    import -window "$win" -crop 417x121+16+208 +repage "$shots/m-$1.png" 2>/dev/null
}
same() { [ "$(compare -metric AE "$shots/m-$1.png" "$shots/m-$2.png" null: 2>&1)" = 0 ]; }
differ() { ! same "$1" "$2"; }
has_text() { # some dark blue ink in m
    [ "$(convert "$shots/m-$1.png" -fill white +opaque 'rgb(0,0,192)' -format '%[fx:mean<1]' info:)" = 1 ]
}

start
check "window title" [ "$(xdotool getwindowname "$win")" = "$title" ]
# The program centres the frame Windows would draw; the X window manager's
# frame is a few pixels taller.
check "opens centred at 450x351" centred 6
grab_m greeting
check "the greeting is drawn in dark blue" has_text greeting
screenshot "$shots/start.png"
click 170 87 # the banana
grab_m banana
check "a click on the banana changes the description" differ banana greeting
click 180 90 # the banana again, elsewhere on its area
grab_m banana-again
check "the banana twice shows the same text" same banana banana-again
click 270 145 # the apricot's name
grab_m apricot
check "the apricot's name shows another text" differ apricot banana
click 67 110 # between orange and apple: nothing
grab_m gap
check "a click in a gap changes nothing" same gap apricot
xdotool key Tab space # focus starts on Command1: Tab to Command2
sleep 0.5
grab_m credit-keys
check "Tab, Space presses Command2" differ credit-keys apricot
click 402 91 # the grapes
grab_m grapes
check "the grapes after the credit" differ grapes credit-keys
click 180 339 # Command2
grab_m credit
check "Command2 shows the credit" same credit credit-keys
screenshot "$shots/credit.png"
click 269 339 # Command1
check "Command1 ends with status 0" ends_with 0

start
click 340 90 # the strawberry
grab_m strawberry
check "a fresh start: a strawberry text, not the credit" differ strawberry credit
wmctrl -c "$title"
check "closing the frame ends with status 0" ends_with 0

start
xdotool key Return
check "Enter on the focused Command1 ends with status 0" ends_with 0

finish
