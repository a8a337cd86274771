#!/usr/bin/env bash
# Checks of the installed programs; ctest runs them with the label "packaging".
#
#   check_packaging.sh install  BUILD SOURCE WORK
#       cmake --install into a scratch prefix: each program's folder holds the program, its
#       library (which the loader takes from there) and every data file of build/<Program>/;
#       bin/<program> starts it; desktop entries, icons and AppStream metadata pass
#       appstreamcli validate-tree; each installed program reaches its main screen.
#   check_packaging.sh packages BUILD SOURCE WORK
#       cpack -G DEB: one package per program and one for tessel, their dependencies worked
#       out by dpkg-shlibdeps; all four unpacked with dpkg -x into a scratch root, from where
#       each program reaches its main screen.
#   check_packaging.sh metadata BUILD SOURCE WORK
#       the desktop entries pass desktop-file-validate, the AppStream sources pass
#       appstreamcli validate with their screenshots in, and those screenshots are files of the
#       repository.
#
# WORK is a scratch folder, emptied first. PHRASEBOOK_BUILD_DATA=OFF in the environment turns a
# build without data files into a skip (exit 77) instead of a failure. A program "reaches its
# main screen" when, run offscreen with PHRASEBOOK_FIRST_SCREEN set, it reports the main
# screen's template and title, draws it into a 240 x 320 image that is not blank, and exits 0.
set -euo pipefail

mode=$1
build=$(cd "$2" && pwd)
source=$(cd "$3" && pwd)
work=$4
rm -rf "$work"
mkdir -p "$work"
work=$(cd "$work" && pwd)

readonly programs=(Velora Miravel Serrak)
readonly main_screen_template=102   # IDD_MAIN_SCREEN
version=$(sed -n 's/^project(PhraseBook VERSION \([0-9.]*\).*/\1/p' "$source/CMakeLists.txt")

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
lower() { echo "$1" | tr '[:upper:]' '[:lower:]'; }

# png_summary FILE: "<width>x<height> <distinct colours>" of an 8-bit RGB(A) PNG.
png_summary() {
    python3 - "$1" <<'EOF'
import struct, sys, zlib
data = open(sys.argv[1], 'rb').read()
if data[:8] != b'\x89PNG\r\n\x1a\n':
    print('not-a-png 0'); sys.exit()
pos, idat, width, height, depth, ctype = 8, b'', 0, 0, 0, 0
while pos + 8 <= len(data):
    length, kind = struct.unpack('>I4s', data[pos:pos + 8])
    body = data[pos + 8:pos + 8 + length]
    if kind == b'IHDR':
        width, height, depth, ctype = struct.unpack('>IIBB', body[:10])
    elif kind == b'IDAT':
        idat += body
    pos += 12 + length
channels = {2: 3, 6: 4}.get(ctype)
if depth != 8 or channels is None:
    print(f'{width}x{height} unsupported'); sys.exit()
raw, stride, rows, previous = zlib.decompress(idat), width * channels, [], bytearray(width * channels)
for y in range(height):
    start = y * (stride + 1)
    kind, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
    for i in range(stride):
        a = line[i - channels] if i >= channels else 0
        b = previous[i]
        c = previous[i - channels] if i >= channels else 0
        if kind == 1: line[i] = (line[i] + a) & 255
        elif kind == 2: line[i] = (line[i] + b) & 255
        elif kind == 3: line[i] = (line[i] + (a + b) // 2) & 255
        elif kind == 4:
            p = a + b - c
            pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
            line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
    rows.append(bytes(line))
    previous = line
colours = {row[i:i + channels] for row in rows for i in range(0, stride, channels)}
print(f'{width}x{height} {len(colours)}')
EOF
}

# reaches_main_screen EXECUTABLE PROGRAM: starts the program offscreen, as a user would start
# it from the launcher, and checks that it reached its main screen. The program runs under
# "${launcher[@]}" (nothing by default) with HOME and XDG_DATA_HOME in $work/run-PROGRAM/home.
launcher=()
reaches_main_screen() {
    local executable=$1 program=$2
    local run=$work/run-$program
    mkdir -p "$run/home" "$run/runtime"
    chmod 700 "$run/runtime"
    local status=0
    "${launcher[@]}" env HOME=$run/home XDG_DATA_HOME=$run/home/.local/share XDG_RUNTIME_DIR=$run/runtime \
        QT_QPA_PLATFORM=offscreen PHRASEBOOK_FIRST_SCREEN=$run/first-screen.png \
        timeout 60 "$executable" >"$run/stdout" 2>"$run/stderr" </dev/null || status=$?
    local expected="first screen: $main_screen_template $program Phrase Book (240x320)"
    if [ "$status" -ne 0 ]; then
        fail "$program ($executable) exited with $status; its output:"
        cat "$run/stdout" "$run/stderr" >&2
        return
    fi
    if ! grep -qxF "$expected" "$run/stdout"; then
        fail "$program did not report its main screen; expected \"$expected\", got:"
        cat "$run/stdout" "$run/stderr" >&2
        return
    fi
    local summary
    summary=$(png_summary "$run/first-screen.png")
    # The category picture alone has dozens of colours; a blank or unpainted screen has one.
    if [[ ! "$summary" =~ ^240x320\ ([0-9]+)$ ]] || [ "${BASH_REMATCH[1]}" -lt 16 ]; then
        fail "$program: the captured main screen is not a painted 240 x 320 screen ($summary)"
        return
    fi
    echo "ok: $program reached its main screen ($summary colours) from $executable"
}

# check_program_folder ROOT PROGRAM: the installed folder of PROGRAM under the prefix ROOT.
check_program_folder() {
    local prefix=$1 program=$2 name
    name=$(lower "$program")
    local folder=$prefix/lib/$name
    [ -x "$folder/$program" ] || fail "$folder/$program is missing"
    [ "$(readlink -f "$prefix/bin/$name")" = "$(readlink -f "$folder/$program")" ] ||
        fail "$prefix/bin/$name does not lead to $folder/$program"
    for link in libtessel.so libtessel.so.${version%%.*}; do
        [ -e "$folder/$link" ] || fail "$folder/$link does not lead to the installed library"
    done
    # The loader must take the library from the program's folder, not from the build.
    local loaded
    loaded=$(ldd "$folder/$program" | awk '/libtessel/ {print $3}')
    case "$loaded" in
        "$folder"/libtessel.so.*) ;;
        *) fail "$program loads libtessel from '$loaded', not from $folder" ;;
    esac
    # Every data file the build laid out, and none of what a run writes.
    local file base
    for file in "$build/$program"/*; do
        base=$(basename "$file")
        case "$base" in
            "$program" | libtessel.so* | favorites.dat* | log.log) continue ;;  # checked above, or written by a run
        esac
        cmp -s "$file" "$folder/$base" || fail "$program: $base is not installed as built"
    done
    for base in favorites.dat log.log; do
        [ ! -e "$folder/$base" ] || fail "$program: the user's $base is installed"
    done
    for file in "share/applications/org.phrasebook.$name.desktop" "share/metainfo/org.phrasebook.$name.metainfo.xml" \
        "share/icons/hicolor/48x48/apps/org.phrasebook.$name.png" "share/icons/hicolor/scalable/apps/org.phrasebook.$name.svg"; do
        [ -f "$prefix/$file" ] || fail "$prefix/$file is missing"
    done
}

# A build without its data (PHRASEBOOK_BUILD_DATA=OFF and the data targets not built) has nothing
# to install; with the data switched on, missing data is a failure like any other.
if [ "$mode" != metadata ]; then
    for program in "${programs[@]}"; do
        if ! ls "$build/$program"/voice.dat >/dev/null 2>&1; then
            if [ "${PHRASEBOOK_BUILD_DATA:-ON}" = OFF ]; then
                echo "skipped: build/$program holds no data files (PHRASEBOOK_BUILD_DATA is OFF)"
                exit 77
            fi
            fail "build/$program holds no data files"
        fi
    done
    [ "$failures" -eq 0 ] || exit 1
fi

case "$mode" in
install)
    cmake --install "$build" --prefix "$work/prefix" >"$work/install.log"
    for program in "${programs[@]}"; do
        check_program_folder "$work/prefix" "$program"
        reaches_main_screen "$work/prefix/bin/$(lower "$program")" "$program"
    done
    for size in 16x16 22x22 24x24 32x32 48x48 64x64 128x128 256x256; do
        summary=$(png_summary "$work/prefix/share/icons/hicolor/$size/apps/org.phrasebook.velora.png")
        [[ "$summary" =~ ^$size\ ([0-9]+)$ ]] && [ "${BASH_REMATCH[1]}" -gt 2 ] ||
            fail "the $size icon is not a $size picture ($summary)"
    done
    appstreamcli validate-tree --no-net "$work/prefix" || fail "appstreamcli validate-tree rejects the installed tree"
    ;;
packages)
    (cd "$build" && cpack -G DEB -B "$work/debs" --config "$build/CPackConfig.cmake") >"$work/cpack.log" 2>&1 || {
        cat "$work/cpack.log" >&2
        fail "cpack failed"
        exit 1
    }
    mkdir -p "$work/root"
    for package in tessel velora miravel serrak; do
        deb=$(ls "$work/debs/${package}_${version}"_*.deb 2>/dev/null | head -1)
        if [ -z "$deb" ]; then
            fail "no package $package"
            continue
        fi
        depends=$(dpkg-deb -f "$deb" Depends)
        echo "$package: Depends: $depends"
        # dpkg-shlibdeps worked the libraries out: the C library is always among them.
        [[ "$depends" == *"libc6 (>="* ]] || fail "$package: no dependencies from dpkg-shlibdeps"
        if [ "$package" != tessel ]; then
            for needed in "tessel (= $version)" libqt6widgets6 libmad0 libpulse0; do
                [[ "$depends" == *"$needed"* ]] || fail "$package does not depend on $needed"
            done
            if dpkg-deb -c "$deb" | grep -qE '/(favorites\.dat|log\.log)$'; then
                fail "$package carries a user's file"
            fi
        fi
        dpkg -x "$deb" "$work/root"
    done
    for program in "${programs[@]}"; do
        check_program_folder "$work/root/usr" "$program"
        reaches_main_screen "$work/root/usr/bin/$(lower "$program")" "$program"
        [ ! -e "$work/run-$program/home/.local/share/$(lower "$program")" ] ||
            fail "$program keeps its favorites per user although its folder is writable"
    done

    # A system-wide install: the program's folder made read-only for real, by a read-only bind
    # mount in a private mount namespace (root may write to a mode-0555 folder, not to a
    # read-only mount). The favorites must move to the user's data directory, seeded from the
    # installed list. Where no private mount namespace can be made, this is reported, not faked.
    folder=$work/root/usr/lib/velora
    printf '\xe8\x03\x00\x00\xe9\x03\x00\x00' >"$folder/favorites.dat"   # phrases 1000 and 1001
    if unshare --mount --propagation private sh -c \
        'mount --bind "$1" "$1" && mount -o remount,bind,ro "$1" && ! touch "$1/probe" 2>/dev/null' \
        sh "$folder" 2>/dev/null && [ ! -e "$folder/probe" ]; then
        rm -rf "$work/run-Velora"
        launcher=(unshare --mount --propagation private sh -c \
            'mount --bind "$0" "$0" && mount -o remount,bind,ro "$0" && exec "$@"' "$folder")
        reaches_main_screen "$work/root/usr/bin/velora" Velora
        launcher=()
        user_file=$work/run-Velora/home/.local/share/velora/favorites.dat
        cmp -s "$folder/favorites.dat" "$user_file" ||
            fail "with a read-only folder, Velora did not seed $user_file from the installed favorites"
    else
        echo "not checked: a read-only program folder (no private mount namespace here);" \
            "tests/phrasebook covers the decision with an injected unwritable folder"
    fi
    ;;
metadata)
    for program in "${programs[@]}"; do
        name=$(lower "$program")
        desktop-file-validate "$source/packaging/applications/org.phrasebook.$name.desktop" ||
            fail "desktop-file-validate rejects org.phrasebook.$name.desktop"
        # The metadata as a build with a screenshot address writes it (example.org stands for
        # wherever the repository is served; nothing is fetched).
        metainfo=$work/org.phrasebook.$name.metainfo.xml
        sed -e 's|@SCREENSHOT_BASE_URL@|https://example.org/phrasebook/|' -e "s|@PROJECT_VERSION@|$version|" \
            "$source/packaging/metainfo/org.phrasebook.$name.metainfo.xml.in" >"$metainfo"
        appstreamcli validate --no-net --strict "$metainfo" || fail "appstreamcli rejects the $program metadata"
        grep -q "<release version=\"$version\"" "$metainfo" || fail "the $program metadata has no release $version"
        for shot in $(sed -n 's|.*<image>https://example.org/phrasebook/\(.*\)</image>.*|\1|p' "$metainfo"); do
            [ -f "$source/$shot" ] || fail "$program screenshot $shot is not in the repository"
        done
    done
    ;;
*)
    echo "usage: $0 install|packages|metadata BUILD SOURCE WORK" >&2
    exit 2
    ;;
esac

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "all $mode checks passed"
