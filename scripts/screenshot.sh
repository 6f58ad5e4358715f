#!/usr/bin/env bash
# Pictures of the main window, an entry's context menu, the open dialog and the result window for
# the README, made under Xvfb at 96 dpi with only the fonts of a minimal desktop (DejaVu): the
# main window with the example's entries, and the result window of a real run on
# examples/berufsschule_ergebnisse.xlsx. BUILD names the build folder (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${BUILD:-build}"
cmake --build "$BUILD" --target rastfang_bildschirmfotos -- -j2
mkdir -p docs/screenshots
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
export XDG_RUNTIME_DIR="$(mktemp -d)"
export FONTCONFIG_FILE="$PWD/tests/common/nur-dejavu.conf"
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" \
    "$BUILD/app/rastfang_bildschirmfotos" examples/berufsschule_ergebnisse.xlsx docs/screenshots
