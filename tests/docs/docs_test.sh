#!/bin/sh
# Keeps the README, CONTRIBUTING.md and the guides in docs/ true to the tree and the programs:
# every relative link reaches a file (and a heading, after a #), every path of the repository
# they name exists, every option they show for corvexa or corvexa-headless is in that program's
# --help, and the changelog has a section for the version the programs print.
#   docs_test.sh SOURCE_DIR CORVEXA CORVEXA_HEADLESS
set -u
top=$(cd "$1" && pwd)
corvexa=$2
headless=$3
work=$(mktemp -d)
. "$(dirname "$0")/../support/checks.sh"

# The options the programs declare, as their own --help lists them.
{ "$corvexa" --help && "$headless" --help; } >"$work/help" || fail "--help failed"
grep -o -- '--[A-Za-z0-9][A-Za-z0-9_-]*' "$work/help" | sort -u >"$work/options"

version=$("$corvexa" --version | sed -n 's/^corvexa //p')
grep -q "^## \[$version\]" "$top/CHANGELOG.md" || fail "CHANGELOG.md: no section for $version"

# The folders at the top of the tree; a word that starts with one of them names a path. The
# build's outputs are not in the tree.
topdirs=$(cd "$top" && find . -mindepth 1 -maxdepth 1 -type d ! -name .git ! -name build |
    sed 's|^\./||' | tr '\n' ' ')

# Other tools whose options the guides show; an option counts as theirs when the tool's name
# comes before it on the same line.
foreign="cmake ctest cpack lintian man apt apt-get dpkg-deb node npm git appstreamcli wine \
wine-run xvfb-run clang-format shellcheck groff corvexa_bench corvexa_frame_timer"
ours="corvexa corvexa-headless corvexa.exe corvexa-headless.exe corvexa.js"

# The slug of each heading outside code blocks, as the links' anchors name them.
headings() {
    awk '/^ *```/ { fence = !fence; next }
        !fence && /^#+ / {
            h = tolower($0); sub(/^#+ /, "", h)
            gsub(/[^a-z0-9 _-]/, "", h); gsub(/ /, "-", h); print h
        }' "$1"
}

# One record a line: KIND LINE VALUE, with KIND link, path or option.
records() {
    awk -v topdirs="$topdirs" -v foreign="$foreign" -v ours="$ours" '
        BEGIN {
            n = split(topdirs, d, " "); for (i = 1; i <= n; ++i) isdir[d[i]] = 1
            n = split(foreign, d, " "); for (i = 1; i <= n; ++i) owner[d[i]] = "foreign"
            n = split(ours, d, " "); for (i = 1; i <= n; ++i) owner[d[i]] = "ours"
        }
        /^ *```/ { fence = !fence; next }
        {
            rest = $0
            while (!fence && match(rest, /\]\([^) ]+\)/)) {
                print "link", NR, substr(rest, RSTART + 2, RLENGTH - 3)
                rest = substr(rest, RSTART + RLENGTH)
            }
            rest = $0
            while (!fence && match(rest, /(src|href)="[^"]+"/)) {
                link = substr(rest, RSTART, RLENGTH); sub(/^[a-z]+="/, "", link)
                print "link", NR, substr(link, 1, length(link) - 1)
                rest = substr(rest, RSTART + RLENGTH)
            }
            # A placeholder stands for any name: tests/<folder>/ reads as tests/*/.
            line = $0; gsub(/<[A-Za-z_]+>/, "*", line)
            n = split(line, w, /[][ \t`()"'\''<>,;|=]+/)
            who = ""
            for (i = 1; i <= n; ++i) {
                word = w[i]
                if (word ~ /^--[A-Za-z0-9]/) {
                    sub(/[^A-Za-z0-9_-].*$/, "", word)
                    if (who != "foreign") print "option", NR, word
                    continue
                }
                base = word; sub(/.*\//, "", base)
                if (base in owner) who = owner[base]
                sub(/[.:!?]+$/, "", word)
                slash = index(word, "/")
                if (slash > 1 && (substr(word, 1, slash - 1) in isdir)) print "path", NR, word
            }
        }' "$1"
}

cd "$top" || exit 1
for doc in README.md CONTRIBUTING.md docs/*.md; do
    here=$(dirname "$doc")
    records "$doc" >"$work/records"
    while read -r kind line value; do
        case $kind in
        link)
            case $value in
            http:* | https:* | mailto:*) continue ;;
            '#'*) target=$doc anchor=${value#\#} ;;
            *'#'*) target=$here/${value%%#*} anchor=${value#*#} ;;
            *) target=$here/$value anchor= ;;
            esac
            if [ ! -e "$target" ]; then
                fail "$doc:$line: the link $value leads nowhere"
            elif [ -n "$anchor" ] && ! headings "$target" | grep -qxF "$anchor"; then
                fail "$doc:$line: $target has no heading #$anchor"
            fi
            ;;
        path)
            # A pattern names at least one file.
            # shellcheck disable=SC2086 # the pattern is expanded on purpose
            ls -d $value >/dev/null 2>&1 || fail "$doc:$line: $value does not exist"
            ;;
        option)
            grep -qxF -- "$value" "$work/options" ||
                fail "$doc:$line: $value is not an option of corvexa or corvexa-headless"
            ;;
        esac
    done <"$work/records"
done

finish "the links, paths and options of the README, CONTRIBUTING.md and docs/"
