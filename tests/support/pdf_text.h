// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a written PDF says: its pages as text (poppler's pdftotext) and whether it is whole.
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <gtest/gtest.h>

// The text of every page of a PDF, through poppler's pdftotext; empty when it is no PDF.
inline QStringList pdfPages(const QString& path) {
  const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
  if (tool.isEmpty()) {
    ADD_FAILURE() << "pdftotext is missing: scripts/setup.sh installs poppler-utils";
    return {};
  }
  QProcess p;
  p.start(tool, {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
  if (!p.waitForFinished(20000) || p.exitCode() != 0) return {};
  QStringList pages = QString::fromUtf8(p.readAllStandardOutput()).split(QChar('\f'));
  if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
  return pages;
}

inline bool isPdf(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return false;
  const QByteArray bytes = f.readAll();
  return bytes.startsWith("%PDF-") && bytes.trimmed().endsWith("%%EOF");
}

// pdftotext breaks lines where the layout does; the checks read words, not lines.
inline QString flat(const QString& text) { return text.simplified(); }
