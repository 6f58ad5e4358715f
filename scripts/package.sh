#!/usr/bin/env bash
# Builds the Debian package build/rastfang_<version>_amd64.deb: installs what is missing,
# builds in build/ (configured once, reused afterwards) and packs the install with CPack.
# Install it with: sudo apt-get install ./build/rastfang_<version>_amd64.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
cd build
rm -f rastfang_*.deb
cpack -G DEB >/dev/null
ls "$PWD"/rastfang_*.deb
