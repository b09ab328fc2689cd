# Shared set-up of the shell tests that drive the program on a virtual
# display. Source it after setting `program` and `title`, passing the tools
# the test needs: a missing one skips the test (exit 77). It provides the
# virtual display functions, a scratch folder `$scratch` removed at exit,
# `program_pid` (set it to a started program; it is killed at exit if still
# running) and `fail MESSAGE`.

source "$(dirname "${BASH_SOURCE[0]}")/../scripts/virtual-display.sh"

for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

scratch=$(mktemp -d)
program_pid=
cleanup() {
    [[ -n "$program_pid" ]] && kill "$program_pid" 2>/dev/null
    virtual_display_stop
    rm -rf "$scratch"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
