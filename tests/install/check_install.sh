#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and checks what a user gets:
# exactly the expected files, valid desktop and AppStream metadata, programs
# that run without the build tree, a udev rule for exactly the recorders'
# USB ids, and manual pages that cover every subcommand of the tool.
# Usage: check_install.sh BUILD_DIR SOURCE_DIR VERSION EXPECTED_FILES
set -uo pipefail
build=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)
version=$3
expected_files=$4

app_id=example.nocturnix.Nocturnix
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dest=$work/dest
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

if ! DESTDIR=$dest cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1; then
    cat "$work/install.log" >&2
    echo "FAIL: cmake --install" >&2
    exit 1
fi
root=$dest/usr

# --- the file list: everything expected, nothing else (no simulator, no tests)
(cd "$dest" && find . \( -type f -o -type l \) | sed 's|^\./||' | LC_ALL=C sort) >"$work/installed.txt"
LC_ALL=C sort "$expected_files" >"$work/expected.txt"
if ! diff -u "$work/expected.txt" "$work/installed.txt" >"$work/list.diff"; then
    cat "$work/list.diff" >&2
    fail "installed files differ from $expected_files (- missing, + unexpected)"
fi

# --- desktop entry and AppStream metadata
desktop=$root/share/applications/$app_id.desktop
metainfo=$root/share/metainfo/$app_id.metainfo.xml
desktop-file-validate "$desktop" >"$work/validate.log" 2>&1 || { cat "$work/validate.log" >&2; fail "desktop-file-validate $desktop"; }
appstreamcli validate --no-net "$metainfo" >"$work/validate.log" 2>&1 || { cat "$work/validate.log" >&2; fail "appstreamcli validate $metainfo"; }

icon=$(sed -n 's/^Icon=//p' "$desktop")
[[ -f $root/share/icons/hicolor/scalable/apps/$icon.svg ]] || fail "desktop entry names icon '$icon', which is not installed"
exec=$(sed -n 's/^Exec=//p' "$desktop")
[[ -x $root/bin/${exec%% *} ]] || fail "desktop entry starts '$exec', which is not an installed program"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "metainfo does not launch $app_id.desktop"
grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo has no release $version"
grep -q '<screenshot type="default">' "$metainfo" || fail "metainfo has no default screenshot"

# A PNG's width and height are big-endian words at bytes 16 and 20.
for png in "$root"/share/icons/hicolor/*x*/apps/$app_id.png; do
    size=$(basename "$(dirname "$(dirname "$png")")")
    read -r w h < <(od -An -tu1 -j16 -N8 "$png" | awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
    [[ "${w}x${h}" == "$size" ]] || fail "$png is ${w}x${h}, installed as $size"
done

# --- the programs, away from the build tree, with an empty environment
for program in nocturnix nocturnix-crashbox nocturnix-tool; do
    elf=$root/bin/$program
    [[ -x $elf ]] || continue
    paths=$(readelf -d "$elf" | grep -E '\((RPATH|RUNPATH)\)')
    [[ -z $paths ]] || fail "$program keeps a library search path: $paths"
    if ldd "$elf" | grep -E "not found|$build|$source" >"$work/ldd.txt"; then
        cat "$work/ldd.txt" >&2
        fail "$program needs libraries that are missing or inside the build tree"
    fi
done
# Only a copy outside the build and the DESTDIR is run: the source and build
# trees do not exist from its point of view.
mkdir -p "$work/run/bin" "$work/home"
cp "$root/bin/nocturnix-tool" "$work/run/bin/"
if ! env -i HOME="$work/home" "$work/run/bin/nocturnix-tool" --help >"$work/help.txt" 2>&1; then
    cat "$work/help.txt" >&2
    fail "installed nocturnix-tool --help"
fi
shown=$(env -i HOME="$work/home" "$work/run/bin/nocturnix-tool" --version 2>&1)
[[ $shown == "nocturnix-tool $version" ]] || fail "installed nocturnix-tool --version says '$shown'"

# --- the udev rule: exactly these vendor/product pairs, each one tagged
# uaccess on a hidraw node. sysfs shows the ids in lower case, and == is
# case sensitive: an upper-case id would never match.
rule=$root/lib/udev/rules.d/70-nocturnix.rules
expected_ids=$'04d9:b564\n1915:f33c\n1915:f33d\n1a86:e010'
ids=""
while IFS= read -r line; do
    [[ -z ${line// /} || $line == \#* ]] && continue
    vendor=$(grep -oE 'ATTRS\{idVendor\}=="[^"]*"' <<<"$line" | cut -d'"' -f2)
    product=$(grep -oE 'ATTRS\{idProduct\}=="[^"]*"' <<<"$line" | cut -d'"' -f2)
    [[ $vendor =~ ^[0-9a-f]{4}$ && $product =~ ^[0-9a-f]{4}$ ]] ||
        fail "rule line without one lower-case vendor and product id: $line"
    grep -q 'SUBSYSTEM=="hidraw"' <<<"$line" || fail "rule line not limited to hidraw nodes: $line"
    grep -q 'TAG+="uaccess"' <<<"$line" || fail "rule line does not tag uaccess: $line"
    # World-writable modes or group grants would open the recorder to every
    # account, not only to the one at the seat.
    grep -qE 'MODE|GROUP|OWNER' <<<"$line" && fail "rule line widens access beyond the seat: $line"
    ids+="$vendor:$product"$'\n'
done <"$rule"
ids=$(LC_ALL=C sort <<<"${ids%$'\n'}")
[[ $ids == "$expected_ids" ]] || fail "udev rule names $(tr '\n' ' ' <<<"$ids"), expected $(tr '\n' ' ' <<<"$expected_ids")"

# --- manual pages: render without warnings, document every subcommand
man1=$root/share/man/man1
for page in nocturnix nocturnix-tool; do
    warnings=$(groff -man -ww -z -Tascii "$man1/$page.1" 2>&1)
    [[ -z $warnings ]] || fail "$page.1 renders with warnings: $warnings"
    grep -q "^\.TH .*Nocturnix $version" "$man1/$page.1" || fail "$page.1 does not carry version $version"
done
groff -man -Tascii -P-cbou "$man1/nocturnix-tool.1" 2>/dev/null >"$work/tool-man.txt"
commands=$(sed -n '/^Commands:/,/^$/p' "$work/help.txt" | grep -oE '^  [a-z][a-z-]*' | tr -d ' ')
[[ -n $commands ]] || fail "no commands found in nocturnix-tool --help"
for command in $commands; do
    # A command's entry is a paragraph tag, indented seven columns.
    grep -qE "^       $command( |$)" "$work/tool-man.txt" || fail "nocturnix-tool.1 does not document '$command'"
done
for status in 0 1 2; do
    sed -n '/^EXIT STATUS/,/^[A-Z]/p' "$work/tool-man.txt" | grep -qE "^       $status( |$)" ||
        fail "nocturnix-tool.1 does not explain exit status $status"
done

if ((failures > 0)); then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "install into DESTDIR: all checks passed"
