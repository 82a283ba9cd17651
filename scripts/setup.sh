#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lumeq developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the trainer needs (when missing), then configures and builds it.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake g++ make qt6-base-dev qt6-tools-dev qt6-l10n-tools libgl1-mesa-dev libgtest-dev fonts-liberation
          locales ccache poppler-utils  # pdftotext: the tests read the text of the journal's PDF
          libqt6sql6-sqlite libqt6sql6-psql postgresql)  # the record: SQLite on the machine, the class database
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j2
