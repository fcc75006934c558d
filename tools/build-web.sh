#!/usr/bin/env bash
# Builds the web build in build-web/ with Debian's emscripten: tovk-term for
# node and the page (build-web/page/). Arguments go to `cmake --build`.
set -euo pipefail
cd "$(dirname "$0")/.."
# Emscripten's JavaScript optimiser needs acorn, a Debian node module.
export NODE_PATH=/usr/share/nodejs
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake --preset web "${launcher[@]}" >/dev/null
cmake --build build-web "$@"
