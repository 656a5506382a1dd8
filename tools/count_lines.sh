#!/usr/bin/env bash
# Lines of the product's code (.cpp and .h outside tests/, tools/ and bench/) and of the
# tests (.cpp and .h under tests/), and the tests' share of the product.
#   tools/count_lines.sh [source folder]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"
product=$(git ls-files -- '*.cpp' '*.h' | grep -vE '^(tests|tools|bench)/' | xargs cat | wc -l)
tests=$(git ls-files -- 'tests/*.cpp' 'tests/*.h' | xargs cat | wc -l)
echo "product $product lines, tests $tests lines: $((100 * tests / product)) % of the product"
