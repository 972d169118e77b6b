#!/bin/sh
# Non-blank lines of C++ (.cpp and .h) in the tests against the code they
# test (src/, tools/ and bench/); the tests are meant to stay near a third.
cd "$(dirname "$0")/.." || exit 1
count() { find "$@" \( -name '*.cpp' -o -name '*.h' \) -exec cat {} + | grep -cv '^[[:space:]]*$'; }
tests=$(count tests)
code=$(count src tools bench)
echo "tests $tests, code $code: $((100 * tests / code))%"
