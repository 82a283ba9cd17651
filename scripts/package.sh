#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lumeq developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of the trainer and shows what it declares and holds.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
(cd build && cpack -G DEB)
deb=$(ls -t build/lumeq_*.deb | head -n 1)
dpkg-deb -I "$deb"
dpkg-deb -c "$deb"
echo "$deb"
