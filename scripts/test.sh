#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (Qt offscreen) twice: in the C locale
# and on a German desktop (de_DE.UTF-8, made with localedef in the build folder when the system
# does not have it). Non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
export QT_QPA_PLATFORM=offscreen
cd build

deutsch=(LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8)
if ! LC_ALL=de_DE.UTF-8 locale -k LC_NUMERIC 2>&1 | grep -q 'decimal_point=","'; then
    if [ ! -f locale/de_DE.UTF-8/LC_NUMERIC ]; then
        mkdir -p locale
        localedef -i de_DE -f UTF-8 locale/de_DE.UTF-8 || true
    fi
    if [ ! -f locale/de_DE.UTF-8/LC_NUMERIC ]; then
        echo "test: cannot make the de_DE.UTF-8 locale (is the package locales installed?)" >&2
        exit 1
    fi
    deutsch+=(LOCPATH="$PWD/locale")
fi

status=0
echo "== ctest in the C locale"
env LC_ALL=C.UTF-8 LANG=C.UTF-8 ctest --output-on-failure -j"$(nproc)" --timeout 240 || status=1
echo "== ctest under ${deutsch[*]}"
env "${deutsch[@]}" ctest --output-on-failure -j"$(nproc)" --timeout 240 || status=1
exit $status
