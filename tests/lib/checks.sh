# Counting checks, shared by the shell tests. Source it.

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

finish() {
    echo "$passes passed, $failures failed"
    [ "$failures" = 0 ]
}

# The window's title, the same on every front end.
title=$(printf '\u0645\u0648\u0627\u0635\u0641\u0627\u062a\u0643 \u0645\u0646 \u0627\u0644\u0641\u0627\u0643\u0647\u0647 \u0627\u0644\u062a\u0649 \u062a\u062d\u0628\u0647\u0627')

