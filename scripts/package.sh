#!/usr/bin/env bash
# Builds the Debian package of the program into build-package/: tarvand_<version>_<arch>.deb with
# the host, the module, the sibling modules, tarvand-db, a desktop entry and its icon, installed
# under /usr/lib/tarvand with tarvand-host and tarvand-db on the PATH and the export folders under
# /var/lib/tarvand. Install it with: sudo apt-get install ./build-package/tarvand_*.deb
# Needs what scripts/setup.sh installs (dpkg-shlibdeps comes with build-essential).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$here/build-package"

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
      -DTARVAND_EXPORT_ROOT=/var/lib/tarvand -DTARVAND_BUILD_TESTS=OFF -DTARVAND_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)"
rm -f "$build"/tarvand_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
ls "$build"/tarvand_*.deb
