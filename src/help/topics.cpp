// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "topics.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cmath>

#include "framework/numtext.h"

// The topics live in a static library, whose resources are not registered by themselves.
static void initHelpResources() {
  static const bool done = [] {
    Q_INIT_RESOURCE(help);
    return true;
  }();
  (void)done;
}

namespace help {

namespace {
QString topicPath(int context, language::Language l) {
  // The Russian topics are the originals; every other language has a folder of its own.
  return l == language::Language::Russian ? QStringLiteral(":/help/%1.html").arg(context)
                                          : QStringLiteral(":/help/%1/%2.html").arg(language::code(l)).arg(context);
}
}  // namespace

bool hasTopic(int context, language::Language l) {
  initHelpResources();
  return QFile::exists(topicPath(context, l));
}

QList<int> topicFiles() {
  initHelpResources();
  QList<int> found;
  for (const QString& name : QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")}, QDir::Files)) {
    bool ok = false;
    const int context = name.chopped(5).toInt(&ok);
    if (ok) found << context;
  }
  std::sort(found.begin(), found.end());
  return found;
}

QString topicSource(int context) { return topicSource(context, language::current()); }

QString topicSource(int context, language::Language l) {
  initHelpResources();
  QFile f(topicPath(context, l));
  if (!f.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(f.readAll());
}

QString renderTopic(int context) {
  QString source = topicSource(context);
  // The translated topics write their fixed numbers with a point; they follow the windows'
  // separator, as the example's numbers do. The Russian originals are shown as written.
  if (language::current() != language::Language::Russian) source = localDecimals(source, numtext::decimalSeparator());
  return source.isEmpty() ? source : expandFormulas(fill(source, exampleValues(context)));
}

Values exampleValues(int context) {
  Values v = linkExamples(context);
  if (v.isEmpty()) v = systemExamples(context);
  return v;
}

QString bandEnd(double v, bool lower) {
  if (v == 0 || !std::isfinite(v)) return FloatToStr(v);
  const double scale = std::pow(10.0, 4 - std::floor(std::log10(std::fabs(v))));
  const double r = (lower ? std::ceil(v * scale - 1e-9) : std::floor(v * scale + 1e-9)) / scale;
  return FloatToStr(r);
}

QString tableRow(const QStringList& cells) {
  QString row = QStringLiteral("<tr>");
  for (const QString& c : cells) row += QStringLiteral("<td align=\"center\">%1</td>").arg(c);
  return row + QStringLiteral("</tr>");
}

}  // namespace help
