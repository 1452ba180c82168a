#!/usr/bin/env bash
# Builds Talvex Go and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
cmake -S . -B build/normal -G Ninja -DTALVEX_SANITIZER=none >/dev/null
cmake --build build/normal --target talvex-go talvex-gtp

exec build/normal/talvex-go
