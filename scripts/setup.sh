#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when they are missing.
set -euo pipefail
# clang and its runtime (libFuzzer and the sanitizers) build the fuzz targets.
pakete=(cmake ninja-build g++ libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev
        qt6-translations-l10n fonts-dejavu-core xvfb xauth clang-14 libclang-rt-14-dev)
nedostaje=()
for p in "${pakete[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        nedostaje+=("$p")
    fi
done
if [ ${#nedostaje[@]} -gt 0 ]; then
    echo "Installing: ${nedostaje[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update
    apt-get install -y --no-install-recommends "${nedostaje[@]}"
fi
