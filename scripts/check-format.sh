#!/usr/bin/env bash
# Fails, naming every offender, when a tracked C++ file is not as clang-format leaves it (the
# style is .clang-format at the root; Debian 12's clang-format 14 is the one that judges).
# `clang-format -i FILE` mends a file.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
unformatted=()
while IFS= read -r -d '' file; do
    clang-format --style=file "$file" | cmp -s - "$file" || unformatted+=("$file")
done < <(git ls-files -z -- '*.cpp' '*.h')
if ((${#unformatted[@]} > 0)); then
    echo "Not formatted with clang-format (clang-format -i FILE mends one):"
    printf '  %s\n' "${unformatted[@]}"
    exit 1
fi
echo "Every tracked C++ file is formatted."
