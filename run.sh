#!/usr/bin/env bash
# Installs what is missing, builds the game into build/ and starts it.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/prepare.sh
tovan_install_packages
tovan_configure build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target tovan
cd build/game
exec ./tovan "$@"
