// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QCoreApplication>

#include "journal_print.h"

namespace journal {

QString fileNameSafe(const QString& text) {
  QString out;
  bool gap = false;
  for (const QChar c : text.trimmed()) {
    const bool bad = c.isSpace() || c.category() == QChar::Other_Control || QStringLiteral("\\/:*?\"<>|%").contains(c);
    if (bad) {
      gap = true;
      continue;
    }
    if (gap && !out.isEmpty()) out += QLatin1Char('_');
    gap = false;
    out += c;
  }
  // "." and ".." name folders.
  if (out == QLatin1String(".") || out == QLatin1String("..")) out.replace(QLatin1Char('.'), QLatin1Char('_'));
  return out;
}

QString expandPath(const QString& pattern, const QDateTime& started, const QString& runId, const QString& name) {
  QString out;
  for (qsizetype i = 0; i < pattern.size(); ++i) {
    const QChar c = pattern[i];
    if (c != QLatin1Char('%') || i + 1 == pattern.size()) {
      out += c;
      continue;
    }
    switch (pattern[i + 1].unicode()) {
      case 'd':
        out += started.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss"));
        break;
      case 'r':
        out += runId;
        break;
      case 'n': {
        const QString safe = fileNameSafe(name);
        out += safe.isEmpty() ? fileNameSafe(QCoreApplication::translate("Journal", "без имени")) : safe;
        break;
      }
      case '%':
        out += QLatin1Char('%');
        break;
      default:
        out += c;
        continue;
    }
    ++i;
  }
  return out;
}

QString numberedSibling(const QString& path, int n) {
  const QFileInfo info(path);
  const QString suffix = info.suffix();
  const QString base = suffix.isEmpty() ? info.fileName() : info.fileName().chopped(suffix.size() + 1);
  const QString name = QStringLiteral("%1-%2").arg(base).arg(n) + (suffix.isEmpty() ? QString() : "." + suffix);
  return info.dir().filePath(name);
}

WriteResult writeRecord(const QTextDocument& doc, const QString& path, const QString& own, const Student& student,
                        const QString& title) {
  const QString ownPath = own.isEmpty() ? QString() : QFileInfo(own).absoluteFilePath();
  for (int n = 1; n < 1000; ++n) {
    const QString candidate = QFileInfo(n == 1 ? path : numberedSibling(path, n)).absoluteFilePath();
    bool claimed = false;
    if (candidate != ownPath) {
      // Creating the file only if there is none is the one test two programs cannot both pass.
      QFile probe(candidate);
      if (!probe.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        const QFileInfo there(candidate);
        if (there.exists() || there.isSymLink()) continue;  // somebody else's
        return {false, {}, probe.errorString()};
      }
      claimed = true;
    }
    WriteResult r;
    if (writePdf(doc, candidate, student, title, &r.error)) {
      r.ok = true;
      r.path = candidate;
    } else if (claimed) {
      QFile::remove(candidate);  // the empty file taken above
    }
    return r;
  }
  return {false, {}, QCoreApplication::translate("Journal", "все имена файлов заняты")};
}

QString fallbackFolder() {
  for (const auto where : {QStandardPaths::DocumentsLocation, QStandardPaths::AppDataLocation}) {
    const QString dir = QStandardPaths::writableLocation(where);
    if (!dir.isEmpty() && QDir().mkpath(dir)) return dir;
  }
  return {};
}

}  // namespace journal
