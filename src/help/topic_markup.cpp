// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "topic_markup.h"

#include <QRegularExpression>

namespace help {

QString fill(QString text, const Values& values) {
  static const QRegularExpression field(QStringLiteral("\\{\\{([A-Za-z0-9_]+)\\}\\}"));
  QString out;
  qsizetype from = 0;
  for (auto it = field.globalMatch(text); it.hasNext();) {
    const auto m = it.next();
    out += text.mid(from, m.capturedStart() - from);
    const auto v = values.constFind(m.captured(1));
    out += v == values.cend() ? m.captured(0) : *v;
    from = m.capturedEnd();
  }
  return out + text.mid(from);
}

QString localDecimals(QString text, QChar separator) {
  if (separator == QLatin1Char('.')) return text;
  bool inTag = false;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c == QLatin1Char('<'))
      inTag = true;
    else if (c == QLatin1Char('>'))
      inTag = false;
    else if (!inTag && c == QLatin1Char('.') && i > 0 && i + 1 < text.size() && text[i - 1].isDigit() &&
             text[i + 1].isDigit())
      text[i] = separator;
  }
  return text;
}

namespace {

QString fractionTable(const QString& num, const QString& den) {
  return QStringLiteral(
             "<table cellspacing=\"0\" cellpadding=\"1\" style=\"border-collapse: collapse\">"
             "<tr><td align=\"center\" style=\"border: 0px none\">%1</td></tr>"
             "<tr><td align=\"center\" style=\"border: 0px none; border-top: 1px solid black\">%2</td></tr></table>")
      .arg(num, den);
}

// A formula is a row of cells: the text between fractions and each fraction in a cell of its own.
QString formulaRow(const QString& body) {
  static const QRegularExpression frac(QStringLiteral("<frac>(.*?)\\|\\|(.*?)</frac>"),
                                       QRegularExpression::DotMatchesEverythingOption);
  QString cells;
  qsizetype from = 0;
  auto textCell = [&](const QString& t) {
    if (!t.trimmed().isEmpty()) cells += QStringLiteral("<td valign=\"middle\">%1</td>").arg(t.trimmed());
  };
  for (auto it = frac.globalMatch(body); it.hasNext();) {
    const auto m = it.next();
    textCell(body.mid(from, m.capturedStart() - from));
    cells += QStringLiteral("<td valign=\"middle\">%1</td>").arg(fractionTable(m.captured(1), m.captured(2)));
    from = m.capturedEnd();
  }
  textCell(body.mid(from));
  return QStringLiteral("<table class=\"f\" cellspacing=\"0\" cellpadding=\"2\"><tr>%1</tr></table>").arg(cells);
}

}  // namespace

QString expandFormulas(QString text) {
  static const QRegularExpression sqrt(QStringLiteral("<sqrt>(.*?)</sqrt>"),
                                       QRegularExpression::DotMatchesEverythingOption);
  text.replace(sqrt, QStringLiteral("√<span style=\"text-decoration: overline\">\\1</span>"));
  static const QRegularExpression formula(QStringLiteral("<f>(.*?)</f>"),
                                          QRegularExpression::DotMatchesEverythingOption);
  QString out;
  qsizetype from = 0;
  for (auto it = formula.globalMatch(text); it.hasNext();) {
    const auto m = it.next();
    out += text.mid(from, m.capturedStart() - from) + formulaRow(m.captured(1));
    from = m.capturedEnd();
  }
  out += text.mid(from);
  // A fraction outside a formula row still gets its table.
  static const QRegularExpression loose(QStringLiteral("<frac>(.*?)\\|\\|(.*?)</frac>"),
                                        QRegularExpression::DotMatchesEverythingOption);
  for (auto m = loose.match(out); m.hasMatch(); m = loose.match(out))
    out.replace(m.capturedStart(), m.capturedLength(), fractionTable(m.captured(1), m.captured(2)));
  return out;
}

}  // namespace help
