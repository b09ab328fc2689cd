#!/usr/bin/env bash
# Builds the Debian packages of a build tree with CPack, checks their file
# lists and computed dependencies, then unpacks the program's package into a
# scratch folder and runs the program from there offscreen: it must close
# with status 0 after a normal close of its window.
# Usage: check-package.sh <cpack> <build-dir> <scratch-dir> <window-closer-module> <qt-major>
set -euo pipefail
cpack=$1
build_dir=$2
scratch=$3
closer=$4
qt_major=$5
app_id=example.zelmorra.Vornik

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

rm -rf "$scratch"
mkdir -p "$scratch"
"$cpack" -G DEB --config "$build_dir/CPackConfig.cmake" -B "$scratch/debs" >"$scratch/cpack.log" ||
    { cat "$scratch/cpack.log"; fail "cpack failed"; }

# Each deb file name must match exactly one built package.
find_deb() {
    local matches=("$scratch"/debs/"$1"_*.deb)
    [[ ${#matches[@]} -eq 1 && -f ${matches[0]} ]] || fail "expected one package $1, found: ${matches[*]}"
    echo "${matches[0]}"
}
runtime_deb=$(find_deb zel-vornik)
dev_deb=$(find_deb zel-vornik-dev)

# Lists the paths in a package, one per line, without the leading ".".
contents() {
    dpkg-deb -c "$1" | awk '{ print $6 }' | sed 's|^\.||'
}
expect_paths() {
    local deb=$1 listing
    shift
    listing=$(contents "$deb")
    for pattern in "$@"; do
        grep -Eq "^$pattern\$" <<<"$listing" || fail "${deb##*/} lacks $pattern"
    done
}
reject_paths() {
    local deb=$1 listing
    shift
    listing=$(contents "$deb")
    for pattern in "$@"; do
        if grep -E "^$pattern\$" <<<"$listing"; then
            fail "${deb##*/} must not hold $pattern"
        fi
    done
}

for deb in "$runtime_deb" "$dev_deb"; do
    echo "== ${deb##*/}"
    dpkg-deb -f "$deb" Package Version Architecture Section Depends Maintainer
    contents "$deb" | grep -v '/$'
done

expect_paths "$runtime_deb" \
    /usr/bin/zel-vornik \
    "/usr/share/applications/$app_id\.desktop" \
    "/usr/share/metainfo/$app_id\.metainfo\.xml" \
    "/usr/share/icons/hicolor/scalable/apps/$app_id\.svg"
reject_paths "$runtime_deb" '.*\.h' '.*\.a' '.*/cmake/.*' '.*\.pc'

# Exactly the public headers: no generated form header, no private header.
public_headers='/usr/include/zelframe/appconsole.h
/usr/include/zelframe/zelapp.h
/usr/include/zelframe/zelconsole.h
/usr/include/zelframe/zelthreadmessenger.h
/usr/include/zelfunctions/zelfunctions.h'
headers=$(contents "$dev_deb" | grep -E '\.(h|hpp)$' | sort)
[[ $headers == "$public_headers" ]] || fail "headers in ${dev_deb##*/}: $headers"
expect_paths "$dev_deb" \
    '/usr/lib/(.*/)?libzelframe\.(a|so)' \
    '/usr/lib/(.*/)?libzelfunctions\.(a|so)' \
    '/usr/lib/(.*/)?cmake/ZelVornik/ZelVornikConfig\.cmake' \
    '/usr/lib/(.*/)?cmake/ZelVornik/ZelVornikConfigVersion\.cmake' \
    '/usr/lib/(.*/)?cmake/ZelVornik/ZelVornikTargets\.cmake' \
    '/usr/lib/(.*/)?pkgconfig/zelfunctions\.pc'
reject_paths "$dev_deb" '/usr/bin/.*' '/usr/share/.*'

# dpkg-shlibdeps found the Qt and C++ libraries the program links.
depends=$(dpkg-deb -f "$runtime_deb" Depends)
for library in "libqt${qt_major}widgets${qt_major}" libstdc\\+\\+6 libc6; do
    grep -Eq "(^|, )$library( |,|$)" <<<"$depends" || fail "Depends lacks $library: $depends"
done

# The program from the unpacked package, with nothing from the build tree
# on its library path, closed as a user would close its window.
root=$scratch/root
dpkg -x "$runtime_deb" "$root"
export QT_QPA_PLATFORM=offscreen
export XDG_CONFIG_HOME=$scratch/config
export XDG_RUNTIME_DIR=$scratch/runtime
mkdir -p "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
# In a sanitizer build the runtime must tolerate the module loaded first.
# Leaks are checked on the build tree's program: the packaged one is
# stripped, so its leak reports cannot be matched to the suppressions.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0:detect_leaks=0
status=0
LD_PRELOAD=$closer timeout 60 "$root/usr/bin/zel-vornik" -platform offscreen >"$scratch/run.log" 2>&1 ||
    status=$?
cat "$scratch/run.log"
[[ $status -eq 0 ]] || fail "the program exited with status $status"
# The window's close stored its geometry, as after any normal close.
grep -q '^Geometry=' "$XDG_CONFIG_HOME/Zelmorra Corp.conf" 2>/dev/null ||
    fail "no geometry stored in $XDG_CONFIG_HOME/Zelmorra Corp.conf"
# The desktop file name the program announces is the installed entry's.
desktop_name=$(sed -n 's/^desktop file name: //p' "$scratch/run.log")
[[ -n $desktop_name && -f $root/usr/share/applications/$desktop_name.desktop ]] ||
    fail "desktop file name '$desktop_name' names no installed desktop entry"
echo "package checks passed: ${runtime_deb##*/} ${dev_deb##*/}"
