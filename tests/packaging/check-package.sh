#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zelmorra Corp
# SPDX-License-Identifier: MIT

# Builds the Debian packages with CPack and checks their files, the program's
# computed dependencies, their descriptions, that lintian finds no error or
# warning, that a second build gives the same bytes, that each unpacked
# desktop program exits 0 once closed, under its desktop entry's name and with
# its window icon, and that the unpacked Python package imports and converts.
# Usage: check-package.sh <cpack> <cpack-config> <scratch-dir> <window-closer> <qt-major> <version> <shared-libs 0|1> <python 0|1>
set -euo pipefail
cpack=$1 config=$2 scratch=$3 closer=$4 qt_major=$5 version=$6 shared_libs=$7 python=$8
app_id='example\.zelmorra\.Vornik' view_id='example\.zelmorra\.VornikView'
lib="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/"
fail() { echo "FAIL: $*" >&2; exit 1; }

# Packages as built by default, without a time stamp from outside.
rm -rf "$scratch"
env -u SOURCE_DATE_EPOCH "$cpack" -G DEB --config "$config" -B "$scratch"
runtime_deb=$scratch/zel-vornik_${version}_$(dpkg --print-architecture).deb
dev_deb=${runtime_deb/zel-vornik_/zel-vornik-dev_}
debs=("$runtime_deb" "$dev_deb")
python_deb=${runtime_deb/zel-vornik_/python3-zelsegy_}
((python)) && debs+=("$python_deb")

# Every file of package $1 matches one of the patterns after it, each pattern a file.
check_files() {
    local deb=$1 files pattern && shift
    files=$(dpkg-deb -c "$deb" | awk '$6 !~ /\/$/ { print substr($6, 2) }')
    for pattern; do grep -Eq "^$pattern\$" <<<"$files" || fail "${deb##*/} lacks $pattern"; done
    if grep -Ev -f <(printf '^%s$\n' "$@") <<<"$files"; then fail "${deb##*/} holds the files above"; fi
}
kind=a runtime_libraries=()
((shared_libs)) && kind=so runtime_libraries=("${lib}libzel"{frame,functions,segy}'\.so\..+')
docs=(copyright changelog\\.gz)
desktop=()
for id in "$app_id" "$view_id"; do
    desktop+=("/usr/share/applications/$id\.desktop" "/usr/share/metainfo/$id\.metainfo\.xml"
        "/usr/share/icons/hicolor/scalable/apps/$id\.svg"
        /usr/share/icons/hicolor/{16x16,22x22,24x24,32x32,48x48,64x64,128x128,256x256}"/apps/$id\.png")
done
check_files "$runtime_deb" /usr/bin/zel-{vornik,segy,view} "${desktop[@]}" \
    "/usr/share/mime/packages/$view_id\.xml" /usr/share/man/man1/zel-{vornik,segy,view}'\.1\.gz' \
    "${docs[@]/#//usr/share/doc/zel-vornik/}" "${runtime_libraries[@]}"
# The public headers only: no generated form header, no private header.
check_files "$dev_deb" /usr/include/zelframe/{appconsole,zelapp,zelconsole,zelthreadmessenger,zelframe_export}'\.h' \
    /usr/include/zelfunctions/zelfunctions{,_export}'\.h' /usr/include/zelversion'\.h' \
    /usr/include/zelsegy/{zelsegy,zelsegy_export,geometry,headerfields,segyformat,segylayout,segyread,textheader}'\.h' \
    '/usr/share/doc/zel-vornik-dev/html/.+' "${lib}libzel"{frame,functions,segy}"\.$kind" \
    "${lib}cmake/ZelVornik/ZelVornik"{Config,ConfigVersion,Targets,Targets-.+}'\.cmake' \
    "${lib}pkgconfig/zelfunctions\.pc" "${docs[@]/#//usr/share/doc/zel-vornik-dev/}"
if ((python)); then
    site=/usr/lib/python3/dist-packages/zelsegy
    check_files "$python_deb" "$site/"{__init__,_errors,_file,_zarr}'\.py' "$site/_zelsegy\.pyi" \
        "$site/py\.typed" "$site/_zelsegy\.cpython-.+\.so" "${docs[@]/#//usr/share/doc/python3-zelsegy/}"
    [[ $(dpkg-deb -f "$python_deb" Depends) =~ python3-numpy ]] || fail "python3-zelsegy lacks numpy"
fi
[[ $(dpkg-deb -f "$runtime_deb" Depends) =~ (^|, )libqt${qt_major}widgets${qt_major}[[:space:]] ]] ||
    fail "Depends computed without Qt Widgets"
# Each package its own synopsis, and an extended text of plain lines (one
# space in front; two would show verbatim).
# sed reads to the end: head would close the pipe first, and the
# writer's SIGPIPE fails the script under pipefail now and then.
synopses=$(for deb in "${debs[@]}"; do dpkg-deb -f "$deb" Description | sed -n 1p; done)
[[ $(sort -u <<<"$synopses" | wc -l) == "${#debs[@]}" ]] || fail "the packages share a synopsis: $synopses"
for deb in "${debs[@]}"; do
    ! dpkg-deb -f "$deb" Description | tail -n +2 | grep -Ev '^ [^ ]' || fail "${deb##*/}: lines above"
done

lintian --fail-on error,warning "${debs[@]}" || fail "lintian: errors or warnings above"
sleep 1 # a second later, so that a time stamp taken from the clock would differ
env -u SOURCE_DATE_EPOCH "$cpack" -G DEB --config "$config" -B "$scratch/again" >/dev/null
for deb in "${debs[@]}"; do
    cmp "$deb" "$scratch/again/${deb##*/}" || fail "${deb##*/} differs when built again"
done

# Nothing of the build tree on the library path, the platform chosen on the
# command line alone. Leaks are checked on the build tree's program, as the
# packaged one is stripped; ASan must accept the closer module loaded first.
dpkg -x "$runtime_deb" "$scratch/root"
for program in zel-vornik:"$app_id" zel-view:"$view_id"; do
    id=${program#*:} program=${program%%:*}
    env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY XDG_CONFIG_HOME="$scratch/config" \
        XDG_DATA_HOME="$scratch/data" \
        ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0:detect_leaks=0" \
        LD_PRELOAD="$closer" timeout 60 "$scratch/root/usr/bin/$program" -platform offscreen |
        tee "$scratch/$program.log" || fail "$program exited with status $?"
    grep -Eqx "desktop file name: $id" "$scratch/$program.log" ||
        fail "$program: not the installed desktop entry's name"
    grep -Eqx "window icon sizes: 16 22 24 32 48 64 128 256" "$scratch/$program.log" ||
        fail "$program: not the window icon at every size"
done

# The Python package alone, with Debian's interpreter, away from the build
# tree: it imports, converts, and reads a file it writes.
if ((python)); then
    dpkg -x "$python_deb" "$scratch/python-root"
    (cd "$scratch" && env PYTHONPATH="$scratch/python-root/usr/lib/python3/dist-packages" \
        LD_LIBRARY_PATH="$scratch/root$lib" PYTHONDONTWRITEBYTECODE=1 /usr/bin/python3 -c '
import numpy, zelsegy
assert zelsegy.__file__.startswith("'"$scratch"'/python-root/"), zelsegy.__file__
assert zelsegy.ibm_to_float32(numpy.uint32(0xC276A000)) == -118.625
print("python3-zelsegy", zelsegy.__version__, "imports")') || fail "the packaged Python module does not import"
fi
