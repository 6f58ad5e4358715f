#!/usr/bin/env bash
# The strict checks that .ci/run adds after the test command:
#   1. clang-format (Debian 12's version 14) finds nothing to change in any C++ file;
#   2. a build with AddressSanitizer and UndefinedBehaviorSanitizer (into build-asan/) runs the
#      whole test suite in the C locale. Leaks that libraries keep on purpose are listed in
#      tests/lsan.supp; everything else fails;
#   3. the tests stay at most a third of the product (scripts/testanteil.py).
# Non-zero on any finding. `scripts/check.sh format`, `asan` or `anteil` runs one part.
set -euo pipefail
cd "$(dirname "$0")/.."
teil="${1:-alle}"
status=0

if [ "$teil" = alle ] || [ "$teil" = format ]; then
    echo "== clang-format"
    format=clang-format-14
    command -v "$format" >/dev/null || format=clang-format
    # Every C++ file of the tree, build folders left out.
    mapfile -d '' dateien < <(find . -path './build*' -prune -o -path ./.git -prune -o \
        \( -name '*.cpp' -o -name '*.h' \) -type f -print0 | sort -z)
    if ! "$format" --dry-run -Werror "${dateien[@]}"; then
        echo "check: clang-format would change the files above (run: $format -i FILE)" >&2
        status=1
    fi
fi

if [ "$teil" = alle ] || [ "$teil" = asan ]; then
    echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer"
    SAN="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
    if [ ! -f build-asan/build.ninja ]; then
        # The main build is the strict one; sanitizer builds of gcc warn where plain ones do not.
        cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRASTFANG_WERROR=OFF \
            -DCMAKE_CXX_FLAGS="$SAN" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
            >/dev/null
    fi
    cmake --build build-asan -- -j"$(nproc)"
    export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 LANG=C.UTF-8
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
    (cd build-asan && ctest --output-on-failure -j"$(nproc)" --timeout 600) || status=1
fi
if [ "$teil" = alle ] || [ "$teil" = anteil ]; then
    echo "== size of the tests against the product"
    python3 scripts/testanteil.py 0.33 | tail -1 || {
        echo "check: the tests are more than a third of the product's lines" >&2
        status=1
    }
fi
exit $status
