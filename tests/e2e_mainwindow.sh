#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zelmorra Corp
# SPDX-License-Identifier: MIT

# The program as a user meets it: Xvfb, the openbox window manager, scratch
# settings. Every run must show the window, found by its title, on screen at
# 250x390, and end with status 0.
# Usage: e2e_mainwindow.sh PROGRAM
set -euo pipefail
program=$1
title="ZEL Vornik"
source "$(dirname "$0")/../scripts/virtual-display.sh"
tools=(Xvfb openbox xdotool wmctrl xwininfo xprop xdpyinfo setpriv)
type -P "${tools[@]}" >/dev/null || { echo "SKIP: needs ${tools[*]}"; exit 77; }
scratch=$(mktemp -d) && chmod 755 "$scratch"
pid=
trap '[[ -z $pid ]] || kill $pid 2>/dev/null || :; virtual_display_stop; chmod -R u+w "$scratch"; rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
at() { [[ $(client_position "$window") == "$1" ]]; }
size() { xwininfo -id "$window" | awk '/  Width:/ {w=$2} /  Height:/ {h=$2} END {print w "x" h}'; }
# Permissions do not bind root: as root, the runs that need them are made as nobody.
as_nobody=()
if ((EUID == 0)) && install -d -m 700 -o nobody "$scratch/runtime"; then
    as_nobody=(setpriv --reuid=nobody --regid=nogroup --clear-groups env XDG_RUNTIME_DIR="$scratch/runtime")
fi

# run NAME USER WHERE CLOSE...: runs the program (as nobody if USER says so) over
# the settings directory $scratch/NAME, made by settings_NAME on first use, or
# over $home when set; expects its window at WHERE ("-": anywhere), then ends it
# with CLOSE. What the program says on standard error is kept in
# $scratch/NAME.err too.
run() {
    local config=$scratch/$1 runner=()
    [[ $2 == nobody ]] && runner=("${as_nobody[@]}")
    "${runner[@]}" test -x "$program" || { echo "SKIP $1: $2 cannot run $program"; return; }
    echo "$1 settings, closed by ${*:4}"
    [[ -d $config ]] || { mkdir "$config" && "settings_$1" "$config/Zelmorra Corp.conf"; }
    XDG_CONFIG_HOME=${home:-$config} "${runner[@]}" "$program" 2> >(tee -a "$config.err" >&2) & pid=$!
    window=$(wait_for_window "$title") || fail "no window titled '$title' appeared"
    [[ $(size) == 250x390 ]] || fail "window is $(size), expected 250x390"
    [[ $3 == - ]] || retry_for 5 at "$3" || fail "window at $(client_position "$window"), expected $3"
    read -r x y <<<"$(client_position "$window")"
    ((x >= 0 && y >= 0 && x + 250 <= width && y + 390 <= height)) || fail "window off screen at $x $y"
    "${@:4}"
    wait "$pid" || fail "exit status $?, expected 0"; pid=
}
# The window asks for a title, a system menu, a minimise and a close button,
# and no maximise: Motif hints with functions and decorations set (0x3),
# functions close (0x20), minimise (0x8), move (0x4) and resize (0x2, which Qt
# always adds; the size hints fix the size), decorations minimise (0x20), menu
# (0x10), title (0x8), resize handles (0x4) and border (0x2).
motif_hints() { xprop -id "$window" _MOTIF_WM_HINTS | sed 's/^[^=]*= //'; }
# The window manager offers no resize or maximise; the window is moved, then closed.
move_and_close() {
    [[ $(motif_hints) == "0x3, 0x2e, 0x3e, 0x0, 0x0" ]] || fail "Motif hints are $(motif_hints)"
    actions=$(xprop -id "$window" _NET_WM_ALLOWED_ACTIONS)
    [[ $actions == *_NET_WM_ACTION_MOVE* ]] || fail "window manager actions not announced: $actions"
    [[ ! $actions =~ _(RESIZE|MAXIMIZE_HORZ|MAXIMIZE_VERT) ]] || fail "window allows $actions"
    xdotool windowmove "$window" 317 211
    retry_for 5 at "317 211" || fail "window at $(client_position "$window") after a move to 317 211"
    wmctrl -c "$title"
}
# move_and_signal X Y SIGNAL: moves the window, then asks the program to end by SIGNAL.
move_and_signal() {
    xdotool windowmove "$window" "$1" "$2"
    retry_for 5 at "$1 $2" || fail "window at $(client_position "$window") after a move to $1 $2"
    kill -"$3" "$pid"
}
# Closing may wait a second for a lock on the settings, not longer.
exited() { [[ ! -e /proc/$pid || $(ps -o stat= -p "$pid") == Z* ]]; }
close_quickly() { wmctrl -c "$title" && retry_for 3 exited || fail "closing took more than 3 s"; }
full_screen() { [[ $(xprop -id "$window" _NET_WM_STATE) == *_NET_WM_STATE_FULLSCREEN* ]]; }
close_in_normal_state() { full_screen && fail "window is full screen"; wmctrl -c "$title"; }
# The Quit button's centre in client coordinates (80 + 91/2, 350 + 24/2).
click_quit() { xdotool mousemove --window "$window" 125 362 click 1; }
# settings_NAME FILE: none yet, damaged, or good but unreadable or in a read-only directory.
settings_fresh() { :; }
settings_missing() { rmdir "${1%/*}"; }
settings_junk() { printf '\x00\xff[MainWindow\nGeometry=@ByteArray(\x01\xd9\n\x80=\xff' >"$1"; }
settings_cut_short() { printf '[MainWindow]\nGeometry=@ByteArray(\\x1\\xd9\\xd0\\xcb\\0\\x3)\n' >"$1"; }
settings_empty() { : >"$1"; }
settings_directory() { mkdir "$1"; }
settings_unreadable() { install -m 000 "$scratch/fresh/Zelmorra Corp.conf" "$1"; }
settings_read_only() { install -m 444 "$scratch/fresh/Zelmorra Corp.conf" "$1" && chmod 555 "${1%/*}"; }
# ...or not a file: a link to a device (one of the scratch directory's own
# where root may make it), a FIFO; or a fresh lock that nobody holds.
settings_device() { mknod "${1%/*}/null" c 1 3 2>/dev/null && ln -s null "$1" || ln -s /dev/null "$1"; }
settings_fifo() { mkfifo "$1"; }
settings_stale_lock() { cp "$scratch/fresh/Zelmorra Corp.conf" "$1" && : >"$1.lock"; }
# An earlier run left the window far off the screen (-geometry) or full screen.
earlier_run() {
    XDG_CONFIG_HOME=${1%/*} "$program" "${@:2}" & pid=$!
    window=$(wait_for_window "$title") && "$prepare" && wmctrl -c "$title" && wait "$pid" ||
        fail "the earlier run of $1 failed"
    pid=
}
settings_far_away() { prepare=: earlier_run "$1" -geometry +5000+5000; }
settings_full_screen() { prepare=make_full_screen earlier_run "$1"; }
make_full_screen() { wmctrl -r "$title" -b add,fullscreen && retry_for 5 full_screen; }

virtual_display_start
read -r width height < <(xdpyinfo | awk '/dimensions:/ {split($2, d, "x"); print d[1], d[2]}')
run fresh - - move_and_close
[[ $(ls "$scratch/fresh") == "Zelmorra Corp.conf" ]] && grep -q '^Geometry=' "$scratch/fresh/"* ||
    fail "the geometry is not stored in the organisation's settings file alone"
run fresh - "317 211" click_quit
# No settings directory yet, nor its parents: they are made, private to the user.
home=$scratch/missing/config/home run missing - - move_and_close
home=$scratch/missing/config/home run missing - "317 211" wmctrl -c "$title"
[[ $(stat -c %a "$scratch/missing" "$scratch/missing/config" "$scratch/missing/config/home") == $'700\n700\n700' ]] ||
    fail "the settings directories are not private to the user"
! grep "not kept" "$scratch/missing.err" || fail "the settings in a new directory are not kept"
run junk - - wmctrl -c "$title"
run cut_short - - wmctrl -c "$title"
run empty - - wmctrl -c "$title"
run directory - - wmctrl -c "$title"
run unreadable nobody - wmctrl -c "$title"
run read_only nobody "317 211" wmctrl -c "$title"
run device - - wmctrl -c "$title"
[[ -c "$scratch/device/Zelmorra Corp.conf" ]] || fail "the device the settings link to was replaced"
run fifo - - wmctrl -c "$title"
run stale_lock - - close_quickly
# One line says why the position is not kept.
for kind in device fifo; do
    grep -q "Corp.conf is not a regular file" "$scratch/$kind.err" || fail "no warning about the $kind"
done
grep -q "Corp.conf is locked" "$scratch/stale_lock.err" || fail "no warning about the locked settings"
run far_away - - wmctrl -c "$title"
run full_screen - - close_in_normal_state
run fresh - "317 211" move_and_signal 100 120 TERM
run fresh - "100 120" move_and_signal 200 150 INT
run fresh - "200 150" move_and_signal 150 130 HUP
run fresh - "150 130" wmctrl -c "$title"
echo "PASS"
