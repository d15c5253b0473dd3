#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running, testing and
# packaging need, only those that are missing (apt-get; through sudo when not
# root).
set -euo pipefail
packages=(build-essential cmake pkg-config
          libwxgtk3.2-dev libtinyxml-dev libsqlite3-dev libwxsqlite3-3.2-dev
          libgtest-dev googletest libbenchmark-dev libcairo2-dev
          xvfb xauth fonts-dejavu-core poppler-utils
          dpkg-dev desktop-file-utils)
packages+=("$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
