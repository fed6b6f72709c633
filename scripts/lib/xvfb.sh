# Sourced by the scripts that run the game in a virtual X server.
# start_xvfb FIRST LAST [SCREEN]: starts Xvfb on the first free display from FIRST to LAST, with
# a screen of SCREEN (1280x1024 by default), exports DISPLAY, waits until the server answers,
# and leaves its process id in $xvfb. The server stays up between clients (no reset when the
# last one leaves), so a script can start one program after another.
start_xvfb() {
    local n
    for n in $(seq "$1" "$2"); do [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] || break; done
    Xvfb ":$n" -screen 0 "${3:-1280x1024}x24" -nolisten tcp -noreset >/dev/null 2>&1 &
    xvfb=$!
    export DISPLAY=:$n
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
}
