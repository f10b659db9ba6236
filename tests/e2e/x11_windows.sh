# Sourced by the end-to-end scripts that watch the program's windows on the X server
# through the close_window helper, whose path they hold in $cw.

# Waits up to five seconds for the window of the title given to be there or gone.
wait_for() { # there|gone TITLE
    for _ in $(seq 50); do
        if "$cw" --find "$2"; then [ "$1" = there ] && return 0; else [ "$1" = gone ] && return 0; fi
        sleep 0.1
    done
    return 1
}
