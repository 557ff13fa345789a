#!/usr/bin/env bash
# Sets up, builds and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh
exec ./build/tarlowe "$@"
