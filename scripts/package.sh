#!/usr/bin/env bash
# Builds the Debian package of the viewer into build-package/ (or
# $VAQ_BUILD_DIR): installs what is missing, builds in release mode with
# Debian's hardening flags and runs cpack. Prints the package's path; install
# it with `apt install ./PATH`.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${VAQ_BUILD_DIR:-$root/build-package}"
"$root/scripts/setup.sh" dpkg-dev
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
VAQ_BUILD_DIR="$build" "$root/scripts/build.sh" -DCMAKE_BUILD_TYPE=Release -DVAQ_BUILD_TESTS=OFF \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
(cd "$build" && cpack >/dev/null)
ls -t "$build"/vaq_*.deb | head -n 1
