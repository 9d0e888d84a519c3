#!/usr/bin/env bash
# Installs what is missing, builds Quirewell and starts it (on an optional file).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" --target quirewell quirewell-convert
exec "$root/build/quirewell" "$@"
