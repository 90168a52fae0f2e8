#!/usr/bin/env bash
# Sets up, builds and runs every test. In CI (CI=true) or with --full it also
# checks formatting, treats warnings as errors and runs the whole suite again
# under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
full=false
[ "${CI:-}" = "true" ] && full=true
[ "${1:-}" = "--full" ] && full=true

werror=()
$full && werror=(-DQIRAZO_WERROR=ON)
"$here/scripts/setup.sh" "$here/build" "${werror[@]}"

if $full; then
  echo "== clang-format"
  git -C "$here" ls-files '*.cpp' '*.h' | (cd "$here" && xargs clang-format --dry-run --Werror)
fi

echo "== tests"
ctest --test-dir "$here/build" --output-on-failure -j2 --timeout 300

if $full; then
  echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer"
  QIRAZO_BUILD_TYPE=Debug "$here/scripts/setup.sh" "$here/build-asan" -DQIRAZO_WERROR=ON \
    -DQIRAZO_SANITIZE=ON -DQIRAZO_BENCH=OFF
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
  export LSAN_OPTIONS="suppressions=$here/tests/lsan.supp:print_suppressions=0"
  ctest --test-dir "$here/build-asan" --output-on-failure -j2 --timeout 600
fi
