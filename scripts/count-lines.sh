#!/usr/bin/env bash
# Prints the lines of product code (.cpp and .h in framework/ app/
# dictionary/ frame/ thread/ widgets/), the lines of tests (.cpp .h .py .sh
# in tests/) and their ratio. Every line counts, blank and comment lines too.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
count() { find "$@" -type f | xargs cat | wc -l; }
product=$(count framework app dictionary frame thread widgets \( -name '*.cpp' -o -name '*.h' \))
tests=$(count tests \( -name '*.cpp' -o -name '*.h' -o -name '*.py' -o -name '*.sh' \))
awk -v p="$product" -v t="$tests" 'BEGIN { printf "product %d lines, tests %d lines, ratio %.2f\n", p, t, t / p }'
