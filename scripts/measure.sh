#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lumeq developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The build and suite figures of the README's benchmark table: a fresh clone of HEAD built by
# setup.sh with the compiler cache off (a first build on a new machine) and on (CI on this
# one), then the README's test command. Run it on a quiet machine; it leaves nothing behind.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
seconds() { local t0=$SECONDS; "$@" >/dev/null 2>&1; echo $((SECONDS - t0)); }

git clone -q "$repo" "$work/cold"
echo "fresh build, cache off: $(cd "$work/cold" && CCACHE_DISABLE=1 seconds ./scripts/setup.sh) s"
git clone -q "$repo" "$work/warm"
echo "fresh build, cache on:  $(cd "$work/warm" && seconds ./scripts/setup.sh) s"
echo "README test command:    $(cd "$work/warm" && QT_QPA_PLATFORM=offscreen seconds ctest --test-dir build -j2 -LE deep) s"
echo "deep checks:            $(cd "$work/warm" && QT_QPA_PLATFORM=offscreen seconds ctest --test-dir build -j2 -L deep) s"
