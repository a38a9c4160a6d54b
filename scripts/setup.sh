#!/usr/bin/env bash
# Installs the Debian packages that building and testing Brisvane need, when they are missing.
set -euo pipefail

packages=(cmake g++ make libgtest-dev googletest g++-mingw-w64-x86-64 wine wine64 xvfb xdotool
          imagemagick x11-utils nsis clang clang-format nlohmann-json3-dev libxml2-dev)
# The build fetches SQLite's amalgamation with npm (cmake/sqlite.cmake); Debian's npm only
# where no npm is installed at all.
command -v npm >/dev/null 2>&1 || packages+=(npm)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=""
    [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}" >/dev/null
fi
