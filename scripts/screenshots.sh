#!/usr/bin/env bash
# Pictures of every window and of report page 1 in each of the six
# languages, for checking layouts by eye: BUILD_DIR/screenshots/<language>/.
# Usage: scripts/screenshots.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
out="$build/screenshots"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

names=(en zh_CN de it es fr)
for language in 0 1 2 3 4 5; do
    home="$scratch/home-$language"
    data="$home/DATA"
    mkdir -p "$data"
    HOME="$home" "$build/tools/nocturnix-tool" demo --data-dir "$data" --end "$(date +%F)" >/dev/null
    dir="$out/${names[$language]}"
    rm -rf "$dir"
    HOME="$home" XDG_DATA_HOME="$home/.local/share" XDG_CONFIG_HOME="$home/.config" QT_QPA_PLATFORM=offscreen \
        "$build/tests/screenshots/nocturnix-screenshots" "$data" "$dir" "$language" 2>/dev/null
    for pdf in "$dir"/report*.pdf; do
        pdftoppm -f 1 -l 1 -r 80 -png "$pdf" "${pdf%.pdf}-page"
    done
    echo "$dir"
done
