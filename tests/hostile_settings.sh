#!/usr/bin/env bash
# Starts the program, under Xvfb with the openbox window manager, over
# settings that are damaged or cannot be used: binary junk, a geometry
# value cut short, an empty file, a directory where the file should be, a
# file without read permission, and a good file in a directory that cannot
# be written. Every run must show the window at the form's size and end
# with status 0 when the window manager closes it.
# Permissions do not bind root, so as root the last two cases run the
# program as the user nobody, and are skipped, saying so, where nobody
# cannot reach the program.
# Usage: hostile_settings.sh PROGRAM
set -euo pipefail
program=$1
title="ZEL Vornik"
source "$(dirname "$0")/windowtest.sh" Xvfb openbox xdotool wmctrl xwininfo xdpyinfo
chmod 755 "$scratch"

as_nobody=()
if [[ $(id -u) -eq 0 ]]; then
    mkdir -m 700 "$scratch/runtime-nobody"
    chown nobody "$scratch/runtime-nobody"
    as_nobody=(setpriv --reuid=nobody --regid=nogroup --clear-groups
               env XDG_RUNTIME_DIR="$scratch/runtime-nobody")
fi

# True when permissions bind the program: not root, or nobody can run it.
permissions_apply() {
    ((${#as_nobody[@]} == 0)) || "${as_nobody[@]}" test -x "$program"
}

# Runs the program with XDG_CONFIG_HOME=$1, as nobody when $2 is "nobody"
# and this script runs as root; checks the window's size and that the
# program ends with status 0 when the window manager closes it.
run_over_settings() {
    local config=$1 user=${2:-} runner=() status=0 window size
    [[ "$user" == nobody ]] && runner=("${as_nobody[@]}")
    XDG_CONFIG_HOME=$config "${runner[@]}" "$program" &
    program_pid=$!
    window=$(wait_for_window "$title") || fail "no window titled '$title' appeared"
    size=$(xwininfo -id "$window" | awk '/  Width:/ {w=$2} /  Height:/ {h=$2} END {print w "x" h}')
    [[ "$size" == 250x390 ]] || fail "window is $size, expected 250x390"
    wmctrl -c "$title"
    wait "$program_pid" || status=$?
    program_pid=
    ((status == 0)) || fail "exit status $status, expected 0"
}

# A fresh configuration directory for case $1 holding settings file $2.
settings_case() {
    local config="$scratch/$1"
    mkdir -p "$config"
    echo "$config/Zelmorra Corp.conf"
}

virtual_display_start

echo "binary junk"
file=$(settings_case junk)
printf '\x00\xff\xfe[MainWindow\nGeometry=@ByteArray(\x01\xd9\xd0\xcb\n\x80\x00=\xff' >"$file"
run_over_settings "${file%/*}"

echo "geometry cut short after its header"
file=$(settings_case cut)
printf '[MainWindow]\nGeometry=@ByteArray(\\x1\\xd9\\xd0\\xcb\\0\\x3\\0\\0\\0\\0)\n' >"$file"
run_over_settings "${file%/*}"

echo "empty file"
file=$(settings_case empty)
: >"$file"
run_over_settings "${file%/*}"

echo "a directory in place of the file"
file=$(settings_case directory)
mkdir "$file"
run_over_settings "${file%/*}"

if ! permissions_apply; then
    echo "SKIP: unreadable file and read-only directory: running as root, and the user" \
        "nobody cannot reach $program"
    echo "PASS"
    exit 0
fi

echo "a file without read permission"
file=$(settings_case unreadable)
printf '[MainWindow]\nGeometry=@ByteArray()\n' >"$file"
chmod 000 "$file"
run_over_settings "${file%/*}" nobody

echo "a good file in a directory that cannot be written"
file=$(settings_case readonly)
run_over_settings "${file%/*}"
[[ -s "$file" ]] || fail "the first run stored no settings"
chmod 444 "$file"
chmod 555 "${file%/*}"
before=$(cat "$file")
run_over_settings "${file%/*}" nobody
[[ "$(cat "$file")" == "$before" ]] || fail "the settings file changed"

echo "PASS"
