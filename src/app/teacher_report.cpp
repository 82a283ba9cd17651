// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher_report.h"

#include <QBrush>
#include <QCoreApplication>
#include <QSet>
#include <QTextDocument>

#include "framework/canvas.h"
#include "program.h"
#include "teacher_model.h"

namespace teacher {

std::unique_ptr<Replayed> replay(const std::vector<record::Event>& run, const QString& firstForm,
                                 const record::StudentRow& row) {
  auto out = std::make_unique<Replayed>();
  journal::Journal& j = out->journal;
  QSet<int> attempts;
  for (const record::Event& e : run) {
    if (e.kind == record::kind::WorkStarted && e.form == firstForm) attempts.insert(e.work);
    if (e.kind == record::kind::RunStarted) out->header.version = e.detail;  // the version that made the record
  }
  for (const record::Event& e : run) {
    out->at = e;
    if (e.kind == record::kind::Interrupted) {
      j.programClosing();
      continue;
    }
    if (!attempts.contains(e.work)) continue;
    const int field = e.field.value_or(0);
    if (e.kind == record::kind::WorkStarted) {
      j.workStarted(e.detail, e.form);
    } else if (e.kind == record::kind::WindowReached) {
      // The record keeps the caption; the work's title is the declaration's.
      const WindowDeclaration* d = programWindows().declaration(e.form);
      j.windowReached(e.form, e.text, d ? d->workTitle() : QString());
    } else if (e.kind == record::kind::Accepted) {
      j.answer(e.form, Host::AnswerEvent::Accepted, field, e.text);
    } else if (e.kind == record::kind::Wrong) {
      j.answer(e.form, Host::AnswerEvent::Wrong, field, e.text);
    } else if (e.kind == record::kind::Malformed) {
      j.answer(e.form, Host::AnswerEvent::BadFormat, field, e.text);
    } else if (e.kind == record::kind::Regenerated) {
      j.answer(e.form, Host::AnswerEvent::Regenerated, field, e.text);
    } else if (e.kind == record::kind::WorkCompleted) {
      j.workCompleted();
    } else if (e.kind == record::kind::WorkEnded) {
      if (e.text == QLatin1String("unfinished"))
        j.programClosing();
      else
        j.workLeft();
    }
  }
  journal::ReportHeader& head = out->header;
  head.program = QCoreApplication::translate("Main", "Лабораторный тренажер. Lumeq");
  head.date = row.started;
  head.student = {row.name, row.group};
  head.runId = row.run;
  return out;
}

void fillClassDocument(QTextDocument& doc, const TeacherModel& model) {
  QString h = QStringLiteral("<html><body><h2>%1</h2>")
                  .arg(QCoreApplication::translate("TeacherWindow", "Класс по работам").toHtmlEscaped());
  h += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" width=\"100%\"><thead><tr>");
  for (int c = 0; c < model.columnCount(); ++c)
    h += QStringLiteral("<th bgcolor=\"#dde6f0\">%1</th>")
             .arg(model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString().toHtmlEscaped());
  h += QStringLiteral("</tr></thead>");
  for (int r = 0; r < model.rowCount(); ++r) {
    h += QStringLiteral("<tr>");
    for (int c = 0; c < model.columnCount(); ++c) {
      const QModelIndex i = model.index(r, c);
      const QVariant bg = model.data(i, Qt::BackgroundRole);
      const QString colour =
          bg.isValid() ? QStringLiteral(" bgcolor=\"%1\"").arg(bg.value<QBrush>().color().name()) : QString();
      h += QStringLiteral("<td%1>%2</td>").arg(colour, model.data(i, Qt::DisplayRole).toString().toHtmlEscaped());
    }
    h += QStringLiteral("</tr>");
  }
  h += QStringLiteral("</table></body></html>");
  QFont f(fonts::Arial);
  f.setPointSize(7);
  doc.setDefaultFont(f);
  doc.setHtml(h);
}

}  // namespace teacher
