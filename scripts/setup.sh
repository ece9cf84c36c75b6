#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building, running and testing Kovril needs on Debian 12.
set -euo pipefail
packages=(cmake ninja-build g++ qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools libgl-dev fonts-dejavu-core clang-format
          xvfb xauth poppler-utils librsvg2-bin
          dpkg-dev file desktop-file-utils appstream libxml2-utils shared-mime-info)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
