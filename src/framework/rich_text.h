// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Captions with small indices and raised powers ("k₂ =", "a₃p³", "ω_ср"), set as rich text in
// one label instead of a label per index.
#include <QColor>
#include <QString>

namespace rich {

inline QString sub(const QString& s) { return QStringLiteral("<sub>") + s + QStringLiteral("</sub>"); }
inline QString sup(const QString& s) { return QStringLiteral("<sup>") + s + QStringLiteral("</sup>"); }
inline QString colored(const QString& s, const QColor& c) {
  return QStringLiteral("<span style=\"color:%1\">").arg(c.name()) + s + QStringLiteral("</span>");
}
// "T" with index "1": a letter with its small index.
inline QString indexed(const QString& letter, const QString& index) { return letter + sub(index); }
// "k" with index "2" followed by " =": the caption of a value or an answer row.
inline QString named(const QString& letter, const QString& index, const QString& tail = QStringLiteral(" =")) {
  return indexed(letter, index) + tail;
}

}  // namespace rich
