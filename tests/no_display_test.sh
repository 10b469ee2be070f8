#!/usr/bin/env bash
# Started where no display can be reached, the program says so in one line and
# fails, without aborting.
set -u
program=$1
failures=0
for display in "" ":987"; do
    err=$(mktemp)
    env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY="$display" "$program" 2>"$err" </dev/null
    status=$?
    lines=$(grep -c . "$err")
    echo "DISPLAY='$display': status $status, stderr: $(cat "$err")"
    if [ "$status" = 0 ] || [ "$status" -ge 128 ] || [ "$lines" != 1 ] ||
        ! grep -q 'no display' "$err"; then
        echo "FAILED for DISPLAY='$display'"
        failures=$((failures + 1))
    fi
    rm -f "$err"
done
[ "$failures" = 0 ]
