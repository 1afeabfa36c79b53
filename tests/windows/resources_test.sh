#!/bin/sh
# The resources of the Windows programs, read back from the files as Explorer reads them: the
# Earth icon first, under the name freeglut gives its windows, in the four sizes of the drawn
# icon file, and the version details. The icon file itself as icotool lists it, its largest
# image a whole PNG.
#   resources_test.sh VERSION COMPANY ICON CORVEXA CORVEXA_HEADLESS
# VERSION is the project's, COMPANY the version details' company, ICON the drawn .ico.
set -eu
version=$1
company=$2
icon=$3
shift 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The images of an icon file as PNG files in FOLDER, named by their size.
images() { # ICO FOLDER
    mkdir -p "$2"
    icotool -x -o "$2" "$1"
    for image in "$2"/*.png; do
        mv "$image" "$2/$(echo "$image" | sed 's/.*_\([0-9]*x[0-9]*x[0-9]*\)\.png$/\1/')"
    done
    ls "$2" | tr '\n' ' '
}

# The fixed part of a version resource, 40 bytes in, as 32-bit numbers: the signature
# FEEF04BD, the part's own version, then the file's and the product's versions, most
# significant half first, which Explorer shows as "File version" and programs compare.
fixed_versions() { # SIGNATURE PART FILE_HIGH FILE_LOW PRODUCT_HIGH PRODUCT_LOW
    if [ "$1" -ne 4277077181 ]; then
        echo "none"
        return
    fi
    echo "$(($3 >> 16)).$(($3 & 65535)).$(($4 >> 16)).$(($4 & 65535))" \
        "$(($5 >> 16)).$(($5 & 65535)).$(($6 >> 16)).$(($6 & 65535))"
}

[ "$(images "$icon" "$work/drawn")" = "16x16x32 256x256x32 32x32x32 48x48x32 " ] ||
    fail "the drawn icon holds: $(ls "$work/drawn")"
index=0
for size in 16 32 48 256; do
    index=$((index + 1))
    echo "--icon --index=$index --width=$size --height=$size --bit-depth=32 --palette-size=0"
done >"$work/listing"
icotool -l "$icon" | cmp -s - "$work/listing" || fail "icotool lists: $(icotool -l "$icon")"
# The fourth entry of the directory gives the length and the place of its image.
# shellcheck disable=SC2046 # two numbers
set -- $(od -An -v -tu4 -j $((6 + 3 * 16 + 8)) -N 8 "$icon") "$@"
tail -c +$(($2 + 1)) "$icon" | head -c "$1" >"$work/256.png"
shift 2
pngcheck "$work/256.png" >"$work/pngcheck" 2>&1 &&
    grep -q "(256x256, 32-bit RGB+alpha" "$work/pngcheck" ||
    fail "the 256-pixel image is not a whole PNG: $(cat "$work/pngcheck")"

for program in "$@"; do
    name=$(basename "$program" .exe)
    # Named entries come first, so the only icon group is also the one Explorer shows.
    groups=$(wrestool -l --type=group_icon "$program")
    [ "$(echo "$groups" | grep -c .)" -eq 1 ] || fail "$name has icon groups: $groups"
    echo "$groups" | grep -q -- "--name='GLUT_ICON'" || fail "$name's icon is not GLUT_ICON: $groups"
    wrestool -x --type=group_icon --name=GLUT_ICON "$program" >"$work/$name.ico"
    [ "$(images "$work/$name.ico" "$work/$name")" = "16x16x32 256x256x32 32x32x32 48x48x32 " ] ||
        fail "$name's icon holds: $(ls "$work/$name")"
    for image in "$work/drawn"/*; do
        cmp -s "$image" "$work/$name/$(basename "$image")" ||
            fail "$name's $(basename "$image") image is not the drawn one"
    done

    # The strings, each key followed by its value, as the UTF-16 text of the resource gives them.
    wrestool -x --raw --type=version "$program" >"$work/$name.version"
    strings -el -n 1 "$work/$name.version" |
        awk '/^(CompanyName|FileDescription|FileVersion|InternalName|LegalCopyright|OriginalFilename|ProductName|ProductVersion)$/ {
                 key = $0; getline; print key "=" $0 }' >"$work/$name.strings"
    case $name in
    corvexa) description="Corvexa, satellites orbiting the Earth" ;;
    *) description="Corvexa headless runner, the world without a window" ;;
    esac
    cat >"$work/$name.expected" <<EOF
CompanyName=$company
FileDescription=$description
FileVersion=$version
InternalName=$name
LegalCopyright=$(head -n 1 "$(dirname "$0")/../../LICENSE")
OriginalFilename=$name.exe
ProductName=Corvexa
ProductVersion=$version
EOF
    cmp -s "$work/$name.strings" "$work/$name.expected" ||
        fail "$name's version strings differ: $(diff "$work/$name.expected" "$work/$name.strings")"

    # shellcheck disable=SC2046 # six numbers
    fixed=$(fixed_versions $(od -An -v -tu4 -j 40 -N 24 "$work/$name.version"))
    [ "$fixed" = "$version.0 $version.0" ] || fail "$name's fixed versions are: $fixed"
done
echo "PASS: the icon and version details of $*"
