#!/usr/bin/env bash
# Builds the Debian package as `make package` does, into a temporary folder,
# and checks it against the install: the same files, the project version,
# Depends from the linked libraries, and the udev reload on install.
# Usage: check_package.sh BUILD_DIR VERSION EXPECTED_FILES
set -uo pipefail
build=$(cd "$1" && pwd)
version=$2
expected_files=$3

if ! command -v dpkg-deb >/dev/null || ! command -v dpkg-shlibdeps >/dev/null; then
    echo "dpkg-deb or dpkg-shlibdeps missing: package not checked"
    exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

if ! cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log" >&2
    echo "FAIL: cpack" >&2
    exit 1
fi
shopt -s nullglob
debs=("$work"/out/nocturnix_*.deb)
if ((${#debs[@]} != 1)); then
    ls -l "$work/out" >&2
    echo "FAIL: expected one nocturnix_*.deb" >&2
    exit 1
fi
deb=${debs[0]}

dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./||' | LC_ALL=C sort >"$work/packaged.txt"
LC_ALL=C sort "$expected_files" >"$work/expected.txt"
if ! diff -u "$work/expected.txt" "$work/packaged.txt" >"$work/list.diff"; then
    cat "$work/list.diff" >&2
    fail "package files differ from $expected_files (- missing, + unexpected)"
fi

[[ $(dpkg-deb -f "$deb" Package) == nocturnix ]] || fail "package name is not nocturnix"
[[ $(dpkg-deb -f "$deb" Version) == "$version" ]] || fail "package version is not $version"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt5widgets5 libqt5sql5 libqt5sql5-sqlite libhidapi-hidraw0 libssl3 libc6; do
    grep -qE "(^|, )$library( |,|$)" <<<"$depends" || fail "Depends lacks $library: $depends"
done

dpkg-deb -e "$deb" "$work/control"
postinst=$work/control/postinst
if [[ -x $postinst ]]; then
    grep -q 'udevadm control --reload-rules' "$postinst" || fail "postinst does not reload the udev rules"
    # No udev in a build chroot or container: configuring must still succeed.
    mkdir -p "$work/nobin"
    PATH=$work/nobin /bin/sh "$postinst" configure >/dev/null 2>&1 || fail "postinst fails where udevadm is missing"
else
    fail "package has no executable postinst"
fi

if ((failures > 0)); then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "Debian package $(basename "$deb"): all checks passed"
