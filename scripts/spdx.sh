#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lumeq developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the copyright and licence lines at the top of every source file git tracks that lacks
# them (after a #! line). Files without comments of their own (help topics, translations, the
# desktop entry and icon, the fuzz dictionary, Markdown) are covered by .reuse/dep5 instead.
# Safe to run again, e.g. after a merge brings new files: `./scripts/spdx.sh && reuse lint`.
set -euo pipefail
cd "$(dirname "$0")/.."

# REUSE-IgnoreStart
copyright="SPDX-FileCopyrightText: 2026 The Lumeq developers"
licence="SPDX-License-Identifier: GPL-3.0-or-later"

# In a function, read whole before it runs: the script itself is one of the files it may change.
main() {
git ls-files -z | while IFS= read -r -d '' f; do
  case "$f" in
    *.cpp | *.h) prefix="//" ;;
    CMakeLists.txt | */CMakeLists.txt | *.cmake | *.sh | .ci/run | .clang-format | .gitignore | *.supp) prefix="#" ;;
    *) continue ;;
  esac
  head -n 5 "$f" | grep -q "SPDX-License-Identifier" && continue
  tmp=$(mktemp)
  if head -n 1 "$f" | grep -q '^#!'; then
    { head -n 1 "$f"; printf '%s %s\n%s %s\n' "$prefix" "$copyright" "$prefix" "$licence"; tail -n +2 "$f"; } >"$tmp"
  else
    { printf '%s %s\n%s %s\n' "$prefix" "$copyright" "$prefix" "$licence"; cat "$f"; } >"$tmp"
  fi
  cat "$tmp" >"$f"  # keeps the file's mode (the scripts stay executable)
  rm -f "$tmp"
done
}
# REUSE-IgnoreEnd
main "$@"
exit
