#!/usr/bin/env bash
# Builds the model tests (the damaged data file test among them) with AddressSanitizer
# and UndefinedBehaviorSanitizer, in build-sanitize/ or the folder given, and runs them.
# Any finding stops the test it occurs in, and the run fails.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build-sanitize}
sanitizers="-fsanitize=address,undefined"
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS="$sanitizers -fno-sanitize-recover=all -fno-omit-frame-pointer -O1" \
    -DCMAKE_EXE_LINKER_FLAGS="$sanitizers"
targets=()
for test_source in tests/*_test.cpp; do
    targets+=("$(basename "$test_source" .cpp)")
done
cmake --build "$dir" --target "${targets[@]}"
export ASAN_OPTIONS=abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 QT_QPA_PLATFORM=offscreen
ctest --test-dir "$dir" --output-on-failure -j8 -E '^(ui_|screenshot_)'
