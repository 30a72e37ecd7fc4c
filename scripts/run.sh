#!/usr/bin/env bash
# Starts Nocturnix. A user who has never run it (no config.ini yet) starts on
# a demo data directory under the build tree, in a home of its own, so that
# no real user's settings, log or recordings are touched.
# Usage: scripts/run.sh BUILD_DIR [--own]   (--own: always the user's own data)
set -euo pipefail
build=$(cd "$1" && pwd)
own=${2:-}

config="${XDG_DATA_HOME:-$HOME/.local/share}/Nocturnix/config.ini"
if [[ "$own" == "--own" || -f "$config" ]]; then
    exec "$build/app/nocturnix"
fi

demo_home="$build/demo-home"
data_dir="$demo_home/.local/share/Nocturnix/DATA"
if [[ ! -f "$demo_home/.local/share/Nocturnix/config.ini" ]]; then
    echo "No Nocturnix settings yet: starting on demo nights in $demo_home"
    mkdir -p "$data_dir"
    HOME="$demo_home" "$build/tools/nocturnix-tool" demo --data-dir "$data_dir" --end "$(date +%F)" >/dev/null
    cat > "$demo_home/.local/share/Nocturnix/config.ini" <<INI
[General]
isFirstStart=false
isMaxSized=false
dataDir=$data_dir
branchCode=2B010000
INI
fi

export XAUTHORITY="${XAUTHORITY:-$HOME/.Xauthority}"
HOME="$demo_home" XDG_DATA_HOME="$demo_home/.local/share" XDG_CONFIG_HOME="$demo_home/.config" \
    exec "$build/app/nocturnix"
