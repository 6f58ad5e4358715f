#!/usr/bin/env bash
# Pictures of the main window and of the result window for the README, made under Xvfb:
# the main window with the example's entries, and the result window of a real run on
# examples/berufsschule_ergebnisse.xlsx. BUILD names the build folder (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${BUILD:-build}"
cmake --build "$BUILD" --target rastfang_bildschirmfotos -- -j2
mkdir -p docs/screenshots
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
export XDG_RUNTIME_DIR="$(mktemp -d)"
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" \
    "$BUILD/app/rastfang_bildschirmfotos" examples/berufsschule_ergebnisse.xlsx docs/screenshots
