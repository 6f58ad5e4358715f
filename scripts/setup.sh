#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Rastfang needs.
# Idempotent: packages already present are not touched, apt is only asked when something is missing.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev libgl-dev
    libxlsxwriter-dev libzip-dev zlib1g-dev libexpat1-dev libgsf-1-dev libsimpleini-dev
    libgtest-dev
    clang libclang-rt-14-dev clang-format
    python3 python3-openpyxl
    xvfb xauth fonts-dejavu-core
    librsvg2-bin
    dpkg-dev file lintian desktop-file-utils appstream man-db qt6-translations-l10n
    locales poppler-utils
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    echo "setup: installing ${missing[*]}"
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
fi
