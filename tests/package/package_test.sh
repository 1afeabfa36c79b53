#!/bin/sh
# Checks the Debian package as a user gets it: lintian, then the files it installs into a
# throw-away root, then the same install made by `cmake --install` from the build folder.
#   package_test.sh BUILD_DIR PACKAGE.deb
set -u
build=$1
deb=$2
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)

work=$(mktemp -d)
. "$here/../support/checks.sh"
# Runs a command whose standard error must stay empty: checkers that warn but exit with 0.
quiet() {
    "$@" >"$work/out" 2>"$work/err" && [ ! -s "$work/err" ] || {
        fail "$*: $(cat "$work/err")"
        return 1
    }
}
file_list() {
    (cd "$1" && find . \( -type f -o -type l \) | sed 's|^\./||' | sort)
}

# Lintian refuses errors and warnings alike; its informational tags are listed in
# docs/platforms.md.
lintian --fail-on error,warning "$deb" >"$work/out" 2>&1 || fail "lintian: $(cat "$work/out")"
control=$(dpkg-deb --field "$deb" Package Section Depends)
echo "$control" | grep -qx 'Section: games' || fail "not in section games"
echo "$control" | grep -q '^Depends:.*libglut' || fail "the dependencies miss freeglut"

root=$work/root
dpkg -x "$deb" "$root"
file_list "$root" >"$work/files"
diff -u "$here/expected_files.txt" "$work/files" || fail "the package holds other files"
usr=$root/usr

# The menu entry names a program and an icon that the package installs.
entry=$usr/share/applications/corvexa.desktop
quiet desktop-file-validate "$entry"
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
[ -x "$usr/games/$exec_name" ] || fail "Exec=$exec_name is not an installed program"
grep -qx 'Exec=corvexa --explore' "$entry" || fail "the menu does not start the explore mode"
icon=$(sed -n 's/^Icon=//p' "$entry")
[ -f "$usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no icon $icon"
appstreamcli validate --no-net --strict "$usr/share/metainfo/"*.metainfo.xml >"$work/out" ||
    fail "metainfo: $(cat "$work/out")"
appstreamcli validate-tree --no-net --strict "$root" >"$work/out" ||
    fail "installed tree: $(cat "$work/out")"

# Each PNG is whole (checksums and compressed data) and has the size its folder says.
for size in 64 128 256; do
    png=$usr/share/icons/hicolor/${size}x$size/apps/corvexa.png
    pngcheck "$png" >"$work/out" || fail "$(cat "$work/out")"
    grep -q "(${size}x$size, 32-bit RGB+alpha" "$work/out" || fail "$png is not $size x $size RGBA"
done
quiet xmllint --noout "$usr/share/icons/hicolor/scalable/apps/corvexa.svg"

# The man pages render without a warning and hold the sections the user looks for.
for page in corvexa corvexa-headless; do
    man_file=$usr/share/man/man6/$page.6.gz
    gzip -dc "$man_file" >"$work/$page.6"
    quiet groff -ww -z -man "$work/$page.6"
    LC_ALL=C.UTF-8 MANWIDTH=80 quiet man --warnings -l "$man_file" || continue
    case $page in
    corvexa) own=KEYS ;;
    *) own="KEY SCRIPT" ;;
    esac
    for section in NAME SYNOPSIS OPTIONS "$own" "EXIT STATUS" EXAMPLES; do
        grep -q "^$section" "$work/out" || fail "$page(6) has no $section"
    done
done

# One version: the package's, its changelog's newest entry's and the one each program prints.
version=$(dpkg-deb --field "$deb" Version)
logged=$(gzip -dc "$usr/share/doc/corvexa/changelog.gz" | sed -n '1s/^corvexa (\([^)]*\)).*/\1/p')
[ "$logged" = "$version" ] && [ "$("$usr/games/corvexa" --version)" = "corvexa $version" ] &&
    [ "$("$usr/games/corvexa-headless" --version)" = "corvexa-headless $version" ] ||
    fail "version $version is not the changelog's ($logged) or a program's"

# The installed programs run from where they were put, with the system's own libraries.
env -u DISPLAY "$top/tests/e2e/report_test.sh" "$usr/games/corvexa" \
    "$top/tests/e2e/expected_report.txt" --test || fail "the installed corvexa --test"
env -u DISPLAY "$top/tests/headless/digest_test.sh" "$usr/share/corvexa/cascade.keys" \
    "$usr/games/corvexa-headless" || fail "the installed corvexa-headless"
env -u DISPLAY "$top/tests/headless/digest_test.sh" "$usr/share/corvexa/cascade.keys" \
    "$usr/games/corvexa-headless" --scene "$usr/share/corvexa/scenes/default.scene" ||
    fail "the installed corvexa-headless with the installed default.scene"
"$usr/share/corvexa/plot-cascade" >/dev/null 2>&1
[ $? -eq 2 ] || fail "the installed plot-cascade does not answer with its usage"

# `cmake --install` under /usr makes the same files, byte for byte once the programs are
# stripped; under any other prefix it puts the programs in bin, which login profiles put on PATH.
DESTDIR=$work/destdir cmake --install "$build" --prefix /usr --strip >/dev/null ||
    fail "cmake --install"
diff -r "$usr" "$work/destdir/usr" >"$work/out" ||
    fail "cmake --install differs: $(cat "$work/out")"
cmake --install "$build" --prefix "$work/home" >/dev/null || fail "cmake --install --prefix"
for program in corvexa corvexa-headless; do
    [ -x "$work/home/bin/$program" ] || fail "a home prefix has no bin/$program"
done

finish "the package and its install"
