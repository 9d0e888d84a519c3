#!/usr/bin/env bash
# Formats every C++ source of the project with the repo's .clang-format.
#   scripts/format.sh           rewrites the files that differ
#   scripts/format.sh --check   changes nothing; lists the files that differ and
#                               fails when there is one (CI runs this)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

if ! command -v clang-format >/dev/null; then
    echo "clang-format is not installed (Debian package clang-format)" >&2
    exit 2
fi

mapfile -d '' files < <(find src tests bench fuzz -type f \( -name '*.cpp' -o -name '*.h' \) \
    -print0 | sort -z)

if [[ "${1:-}" != "--check" ]]; then
    clang-format -i "${files[@]}"
    exit 0
fi

unformatted=()
for f in "${files[@]}"; do
    clang-format --dry-run -Werror "$f" >/dev/null 2>&1 || unformatted+=("$f")
done
if ((${#unformatted[@]})); then
    echo "Not formatted as .clang-format says (fix with scripts/format.sh):" >&2
    printf '  %s\n' "${unformatted[@]}" >&2
    # The first differences, to show what is meant.
    clang-format --dry-run "${unformatted[@]}" 2>&1 | head -n 40 >&2
    exit 1
fi
echo "All ${#files[@]} C++ files are formatted."
