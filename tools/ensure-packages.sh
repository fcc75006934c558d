#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need,
# only those that are missing. Sourced by ./run and ./test.
tovk_packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev
  qt6-base-dev qt6-svg-dev qt6-multimedia-dev libgl-dev pulseaudio pulseaudio-utils
  libgtest-dev libgmock-dev libbenchmark-dev libsimpleini-dev
  pkg-config libespeak-ng-dev espeak-ng-data libsndfile1-dev
  fonts-liberation2 python3 desktop-file-utils appstream
  emscripten chromium ccache
)
# Node and npm for the page's tests: Debian's, unless a node of another
# origin (which brings its own npm) is there already.
command -v node >/dev/null || tovk_packages+=(nodejs)
command -v npm >/dev/null || tovk_packages+=(npm)

tovk_missing=()
for p in "${tovk_packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    tovk_missing+=("$p")
  fi
done

if ((${#tovk_missing[@]})); then
  echo "Installing missing packages: ${tovk_missing[*]}"
  sudo_cmd=()
  if [ "$(id -u)" != 0 ]; then sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
    "${tovk_missing[@]}"
fi
