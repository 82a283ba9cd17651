// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal_report.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "framework/canvas.h"
#include "i18n/language.h"

namespace journal {

namespace {

// A free tr() inside namespace journal is read by lupdate as of the context "journal"; the
// lookup must use the same one, or the English journal keeps its Russian words.
QString tr(const char* text) { return QCoreApplication::translate("journal", text); }
QString esc(const QString& s) { return s.toHtmlEscaped(); }
QString cell(const QString& html, const char* align = "left") {
  return QStringLiteral("<td align=\"%1\">%2</td>").arg(QLatin1String(align), html);
}
// Numbers and times are not broken over lines, nor inside a word when the column is narrow.
QString num(QString html) {
  return QStringLiteral("<td align=\"right\" style=\"white-space: nowrap\">%1</td>")
      .arg(html.replace(QChar(' '), QStringLiteral("&nbsp;")));
}
// The name and group are marked so that updateStudent finds them again.
const QString NameAnchor = QStringLiteral("journal-student-name");
const QString GroupAnchor = QStringLiteral("journal-student-group");
QString number(int n, const QLocale& l) { return l.toString(n); }
QString orDash(const QString& s) { return s.trimmed().isEmpty() ? QStringLiteral("—") : esc(s.trimmed()); }

// "3 (поле 1: 2, поле 2: 1)": the total, then where the wrong answers went.
QString wrongText(const WindowEntry& w, const QLocale& l) {
  const int total = w.wrongTotal();
  if (total == 0) return number(0, l);
  QStringList parts;
  for (auto it = w.wrong.cbegin(); it != w.wrong.cend(); ++it) {
    const QString where = it.key() < 0 ? tr("вопрос") : tr("поле %1").arg(number(it.key() + 1, l));
    parts << QStringLiteral("%1: %2").arg(where, number(it.value(), l));
  }
  return QStringLiteral("%1 (%2)").arg(number(total, l), esc(parts.join(QStringLiteral(", "))));
}

QString dateText(const QDateTime& t, const QLocale& l) {
  return QStringLiteral("%1, %2").arg(dateLocale(l).toString(t.date(), QLocale::LongFormat),
                                      l.toString(t.time(), QLocale::ShortFormat));
}

QString workName(const WorkEntry& w) {
  // The section comes as its Russian source (so the record keeps one name for it in any
  // language): the report says it in its own.
  const QString section = QCoreApplication::translate("Main", w.section.toUtf8().constData());
  if (w.title.isEmpty() || w.title == section) return esc(section);
  return QStringLiteral("%1. %2").arg(esc(section), esc(w.title));
}

// The header rows, repeated on every page a table runs over: an optional caption across
// the table (so a work's heading never stays behind at the foot of a page), then the column
// titles. `widths` gives some columns their share of the width in per cent.
QString headRows(const QStringList& titles, const QMap<int, int>& widths, const QString& caption = {}) {
  QString rows = QStringLiteral("<thead>");
  if (!caption.isEmpty()) rows += QStringLiteral("<tr><td colspan=\"%1\">%2</td></tr>").arg(titles.size()).arg(caption);
  rows += QStringLiteral("<tr>");
  for (int i = 0; i < titles.size(); ++i) {
    const QString width = widths.contains(i) ? QStringLiteral(" width=\"%1%\"").arg(widths[i]) : QString();
    rows += QStringLiteral("<th bgcolor=\"#dde6f0\"%1>%2</th>").arg(width, esc(titles[i]));
  }
  return rows + QStringLiteral("</tr></thead>");
}

const char* const Table = "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\">";

QString worksTable(const Journal& j, const QLocale& l) {
  QString h = QLatin1String(Table);
  h += headRows({tr("№"), tr("Работа"), tr("Начата"), tr("Итог"), tr("Неверных ответов"), tr("Ошибок формата"),
                 tr("Смен данных"), tr("Время")},
                {{1, 30}, {7, 11}});
  int n = 0;
  for (const WorkEntry& w : j.works()) {
    h += QStringLiteral("<tr>") + num(number(++n, l)) + cell(workName(w)) +
         num(esc(l.toString(w.started.time(), QLocale::ShortFormat))) + cell(esc(outcomeText(w.outcome))) +
         num(number(w.wrongTotal(), l)) + num(number(w.formatErrors(), l)) + num(number(w.regenerations(), l)) +
         num(esc(durationText(w.durationMs(j.tick()), l))) + QStringLiteral("</tr>");
  }
  return h + QStringLiteral("</table>");
}

QString windowsTable(const WorkEntry& w, const QString& caption, const QLocale& l) {
  QString h = QLatin1String(Table);
  h += headRows(
      {tr("Окно"), tr("Принято ответов"), tr("Неверных ответов"), tr("Ошибок формата"), tr("Смен данных"), tr("Время")},
      {{0, 32}, {5, 11}}, caption);
  for (const WindowEntry& e : w.windows) {
    h += QStringLiteral("<tr>") + cell(esc(e.caption.isEmpty() ? e.form : e.caption)) + num(number(e.accepted, l)) +
         cell(wrongText(e, l), "right") + num(number(e.formatErrors, l)) + num(number(e.regenerations, l)) +
         num(esc(durationText(e.activeMs, l))) + QStringLiteral("</tr>");
  }
  return h + QStringLiteral("</table>");
}

}  // namespace

QString outcomeText(Outcome outcome) {
  switch (outcome) {
    case Outcome::Running:
      return tr("выполняется");
    case Outcome::Completed:
      return tr("выполнена");
    case Outcome::Left:
      return tr("прервана (выход в меню)");
    case Outcome::Unfinished:
      return tr("не завершена (открыта при выходе)");
  }
  return {};
}

QString durationText(qint64 ms, const QLocale& l) {
  const qint64 s = (std::max<qint64>(ms, 0) + 500) / 1000;
  const auto two = [&l](qint64 v) { return l.toString(v).rightJustified(2, l.zeroDigit().at(0)); };
  if (s < 60) return tr("%1 с").arg(l.toString(s));
  if (s < 3600) return tr("%1 мин %2 с").arg(l.toString(s / 60), two(s % 60));
  return tr("%1 ч %2 мин").arg(l.toString(s / 3600), two(s / 60 % 60));
}

QString pageHeader(const Student& s) { return pageHeader(s, QFontMetricsF(QFont()), -1); }

QString pageHeader(const Student& s, const QFontMetricsF& metrics, qreal width) {
  QString name = s.name.trimmed().isEmpty() ? tr("(имя не указано)") : s.name.trimmed();
  const QString group = s.group.trimmed();
  const auto line = [&group](const QString& n) { return group.isEmpty() ? n : tr("%1, группа %2").arg(n, group); };
  if (width < 0) return line(name);
  // What the group takes of the line is left to it; the name gets the rest.
  const qreal rest = width - (metrics.horizontalAdvance(line(name)) - metrics.horizontalAdvance(name));
  return line(metrics.elidedText(name, Qt::ElideRight, std::max<qreal>(rest, 0)));
}

QLocale dateLocale(const QLocale& l) {
  const QLocale::Language want =
      language::current() == language::Language::English ? QLocale::English : QLocale::Russian;
  if (l.language() == want) return l;
  return want == QLocale::English ? QLocale(QLocale::English, QLocale::UnitedStates)
                                  : QLocale(QLocale::Russian, QLocale::Russia);
}

QString reportHtml(const Journal& j, const ReportHeader& head, const QLocale& l) {
  QString h = QStringLiteral("<html><body>");
  h += QStringLiteral("<h2>%1</h2>").arg(esc(tr("Журнал лабораторных работ")));
  h += QStringLiteral("<p>%1: %2, %3 %4<br>%5: %6<br>")
           .arg(esc(tr("Программа")), esc(head.program), esc(tr("версия")), esc(head.version), esc(tr("Дата")),
                esc(dateText(head.date, l)));
  if (!head.runId.isEmpty()) h += QStringLiteral("%1: %2<br>").arg(esc(tr("Код запуска")), esc(head.runId));
  h += QStringLiteral("%1: <a name=\"%2\"><b>%3</b></a><br>%4: <a name=\"%5\">%6</a></p>")
           .arg(esc(tr("Студент")), NameAnchor, orDash(head.student.name), esc(tr("Группа")), GroupAnchor,
                orDash(head.student.group));
  if (j.works().empty()) {
    h += QStringLiteral("<p>%1</p>").arg(esc(tr("Ни одна работа ещё не начиналась.")));
    return h + QStringLiteral("</body></html>");
  }
  h += QStringLiteral("<h3>%1</h3>").arg(esc(tr("Работы")));
  h += worksTable(j, l);
  int n = 0;
  for (const WorkEntry& w : j.works()) {
    const QString caption =
        QStringLiteral("<h3>%1. %2</h3><p>%3: %4. %5: %6. %7: %8.</p>")
            .arg(number(++n, l), workName(w), esc(tr("Начата")),
                 esc(QStringLiteral("%1 %2").arg(dateLocale(l).toString(w.started.date(), QLocale::ShortFormat),
                                                 l.toString(w.started.time(), QLocale::ShortFormat))),
                 esc(tr("Итог")), esc(outcomeText(w.outcome)), esc(tr("Время")),
                 esc(durationText(w.durationMs(j.tick()), l)));
    if (w.windows.empty())
      h += caption + QStringLiteral("<p>%1</p>").arg(esc(tr("Ни одно окно работы не открылось.")));
    else
      h += QStringLiteral("<br>") + windowsTable(w, caption, l);
  }
  return h + QStringLiteral("</body></html>");
}

void fillDocument(QTextDocument& doc, const Journal& j, const ReportHeader& head, const QLocale& l) {
  QFont f(fonts::Arial);
  f.setPointSize(10);
  doc.setDefaultFont(f);
  doc.setHtml(reportHtml(j, head, l));
}

namespace {
// The fragment marked with the anchor among the first paragraphs (the header; the works below
// are never searched) replaced by text in the same format.
void replaceMarked(QTextDocument& doc, const QString& anchor, const QString& text) {
  for (QTextBlock b = doc.begin(); b.isValid() && b.blockNumber() < 4; b = b.next()) {
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      const QTextFragment f = it.fragment();
      if (!f.charFormat().anchorNames().contains(anchor)) continue;
      QTextCursor c(&doc);
      c.setPosition(f.position());
      c.setPosition(f.position() + f.length(), QTextCursor::KeepAnchor);
      c.insertText(text.trimmed().isEmpty() ? QStringLiteral("—") : text.trimmed(), f.charFormat());
      return;
    }
  }
}
}  // namespace

void updateStudent(QTextDocument& doc, const Student& s) {
  replaceMarked(doc, NameAnchor, s.name);
  replaceMarked(doc, GroupAnchor, s.group);
}

}  // namespace journal
