#!/usr/bin/env bash
# Builds the libFuzzer target for Workbooks.Open with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer (into build-fuzz/) and replays the committed corpus
# tests/fuzz/korpus/ once, deterministically (-runs=0). Non-zero when any input crashes,
# leaks, hangs or breaks a sanitizer rule.
#
# A longer session that searches for new inputs (findings land in the corpus folder given
# first; copy the small interesting ones into tests/fuzz/korpus/ and commit them):
#     scripts/fuzz.sh --build-only
#     export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
#     mkdir -p /tmp/neu && build-fuzz/spreadsheet/fuzz_open /tmp/neu tests/fuzz/korpus \
#         -max_total_time=3600 -timeout=10 -rss_limit_mb=2048 -jobs=2
set -euo pipefail
cd "$(dirname "$0")/.."
SAN="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fsanitize=fuzzer-no-link"
if [ ! -f build-fuzz/build.ninja ]; then
    CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DRASTFANG_TESTS=OFF -DCMAKE_CXX_FLAGS="$SAN" >/dev/null
fi
cmake --build build-fuzz --target fuzz_open -- -j"$(nproc)"
[ "${1:-}" = "--build-only" ] && exit 0

export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
# Findings go to a folder of their own, never into the working tree.
FUNDE="$(mktemp -d)"
build-fuzz/spreadsheet/fuzz_open -runs=0 -timeout=20 -rss_limit_mb=2048 -artifact_prefix="$FUNDE/" \
    tests/fuzz/korpus
