#!/usr/bin/env bash
# Installs the Debian packages Nocturnix needs to build, test and run.
# As root it installs what is missing; otherwise it prints the apt-get line.
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    qtbase5-dev libqt5sql5-sqlite libqt5svg5 qttools5-dev qttools5-dev-tools
    libqwt-qt5-dev libhidapi-dev libssl-dev
    qttranslations5-l10n fonts-liberation2 fonts-droid-fallback xvfb xauth poppler-utils sqlite3
    clang libclang-rt-14-dev
    dpkg-dev desktop-file-utils appstream groff-base
)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

[[ ${#missing[@]} -eq 0 ]] && exit 0

if [[ $(id -u) -ne 0 ]]; then
    echo "Nocturnix needs these Debian packages; run as root:" >&2
    echo "  apt-get update && apt-get install -y ${missing[*]}" >&2
    exit 1
fi

export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q --no-install-recommends "${missing[@]}"
