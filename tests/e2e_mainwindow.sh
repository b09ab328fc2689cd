#!/usr/bin/env bash
# Drives the program as a user would, under Xvfb with the openbox window
# manager: finds the window by its title, checks that it has the fixed size
# and cannot be resized or maximised, moves it, closes it through the window
# manager, and checks over two more runs that it opens exactly where it was
# left; the last run ends with the Quit button. Settings go to a temporary
# configuration directory.
# Usage: e2e_mainwindow.sh PROGRAM
set -euo pipefail
program=$1
title="ZEL Vornik"
source "$(dirname "$0")/windowtest.sh" Xvfb openbox xdotool wmctrl xwininfo xprop xdpyinfo
export XDG_CONFIG_HOME=$scratch/config

start_program() {
    "$program" &
    program_pid=$!
    window=$(wait_for_window "$title") || fail "no window titled '$title' appeared"
}

# Waits for the program to end and checks that it ended with status 0.
expect_clean_exit() {
    local status=0
    wait "$program_pid" || status=$?
    program_pid=
    ((status == 0)) || fail "exit status $status, expected 0"
}

window_size() {
    xwininfo -id "$window" | awk '/  Width:/ {w=$2} /  Height:/ {h=$2} END {print w "x" h}'
}

# The window manager places the window asynchronously: poll for the position.
expect_position() {
    local expected=$1
    retry_for 5 test "$(client_position "$window")" = "$expected" ||
        fail "window at $(client_position "$window"), expected $expected"
}

virtual_display_start

echo "run 1: fixed size, move, close through the window manager"
start_program
size=$(window_size)
[[ "$size" == 250x390 ]] || fail "window is $size, expected 250x390"
actions=$(xprop -id "$window" _NET_WM_ALLOWED_ACTIONS)
[[ "$actions" == *_NET_WM_ACTION_MOVE* ]] || fail "window manager actions not announced: $actions"
for action in RESIZE MAXIMIZE_HORZ MAXIMIZE_VERT; do
    [[ "$actions" != *_NET_WM_ACTION_$action* ]] || fail "window allows $action"
done
xdotool windowsize "$window" 400 500
sleep 0.3
size=$(window_size)
[[ "$size" == 250x390 ]] || fail "window was resized to $size"

xdotool windowmove "$window" 317 211
retry_for 5 test "$(client_position "$window")" != "" || fail "window position unreadable"
sleep 0.3
moved_to=$(client_position "$window")
[[ "$moved_to" != "0 0" ]] || fail "window did not move"
wmctrl -c "$title"
expect_clean_exit
grep -q '^Geometry=' "$XDG_CONFIG_HOME/Zelmorra Corp.conf" ||
    fail "no geometry stored in the organisation's settings file"

echo "run 2: opens at $moved_to, close through the window manager"
start_program
expect_position "$moved_to"
wmctrl -c "$title"
expect_clean_exit

echo "run 3: opens at $moved_to, close with the Quit button"
start_program
expect_position "$moved_to"
# The Quit button's centre in client coordinates (80 + 91/2, 350 + 24/2).
xdotool mousemove --window "$window" 125 362 click 1
expect_clean_exit

echo "PASS"
