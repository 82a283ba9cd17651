// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs a test in a language and puts the program's own language back afterwards.
#include <QString>

#include "i18n/language.h"

struct LanguageGuard {
  explicit LanguageGuard(language::Language l) { language::set(l); }
  ~LanguageGuard() { language::set(language::Language::Russian); }
  LanguageGuard(const LanguageGuard&) = delete;
  LanguageGuard& operator=(const LanguageGuard&) = delete;
};

// True when the text holds a Cyrillic letter.
inline bool hasCyrillic(const QString& text) {
  for (QChar c : text)
    if (c.unicode() >= 0x0400 && c.unicode() <= 0x04FF) return true;
  return false;
}
