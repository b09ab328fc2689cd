# SPDX-FileCopyrightText: 2026 Zelmorra Corp
# SPDX-License-Identifier: MIT

# Shell functions that show windows on a virtual display: Xvfb with the
# openbox window manager. Source this file, then call
#   virtual_display_start   sets DISPLAY to a free display and starts both
#   virtual_display_stop    stops both (safe to call more than once)
#   wait_for_window TITLE   prints the id of the mapped window named TITLE
#   client_position WID     prints "X Y", the client area's position on screen
# Call virtual_display_stop from an EXIT trap so nothing is left running.

virtual_display_xvfb_pid=
virtual_display_wm_pid=
virtual_display_dir=

# Polls COMMAND... every 0.1 s for up to SECONDS; fails if it never succeeds.
retry_for() {
    local seconds=$1
    shift
    local tries=$((seconds * 10))
    until "$@" >/dev/null 2>&1; do
        tries=$((tries - 1))
        ((tries > 0)) || return 1
        sleep 0.1
    done
}

virtual_display_start() {
    virtual_display_dir=$(mktemp -d)
    if [[ -z "${XDG_RUNTIME_DIR:-}" ]]; then
        mkdir -m 700 "$virtual_display_dir/runtime"
        export XDG_RUNTIME_DIR=$virtual_display_dir/runtime
    fi
    # -displayfd lets Xvfb pick a free display number and tell us which.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
        3>"$virtual_display_dir/display" >"$virtual_display_dir/xvfb.log" 2>&1 &
    virtual_display_xvfb_pid=$!
    retry_for 10 test -s "$virtual_display_dir/display" ||
        { echo "error: Xvfb did not start" >&2; return 1; }
    export DISPLAY=":$(head -n1 "$virtual_display_dir/display")"
    unset WAYLAND_DISPLAY QT_QPA_PLATFORM
    retry_for 10 xdpyinfo || { echo "error: display $DISPLAY does not answer" >&2; return 1; }

    openbox --sm-disable >"$virtual_display_dir/openbox.log" 2>&1 &
    virtual_display_wm_pid=$!
    retry_for 10 wmctrl -m || { echo "error: openbox did not start" >&2; return 1; }
}

virtual_display_stop() {
    local pid
    for pid in $virtual_display_wm_pid $virtual_display_xvfb_pid; do
        kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    done
    virtual_display_wm_pid=
    virtual_display_xvfb_pid=
    [[ -n "$virtual_display_dir" ]] && rm -rf "$virtual_display_dir"
    virtual_display_dir=
    return 0
}

# The readers of a command's output here take all of it (no head, no
# grep -q): a writer that meets a closed pipe fails under pipefail.
window_is_viewable() {
    xwininfo -id "$1" | grep 'Map State: IsViewable' >/dev/null
}

wait_for_window() {
    local title=$1 wid
    wid=$(timeout 10 xdotool search --sync --onlyvisible --name "^${title}\$" | sed -n 1p) || return 1
    [[ -n "$wid" ]] || return 1
    retry_for 5 window_is_viewable "$wid" || return 1
    echo "$wid"
}

client_position() {
    xwininfo -id "$1" | awk '/Absolute upper-left X:/ {x=$NF} /Absolute upper-left Y:/ {y=$NF} END {print x, y}'
}
