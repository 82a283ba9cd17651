// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "labs/stability/coefficient_window.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>

#include "framework/canvas.h"
#include "framework/messages.h"
#include "framework/numtext.h"
#include "framework/widgets.h"
#include "framework/captions.h"

namespace stability {

using captions::Run;
using captions::sub;
using captions::text;

namespace {

const QString kPurple = QStringLiteral("<span style='color:#800080'>%1</span>");

QString taskHtml(Loop loop) {
  QString sought = QStringLiteral("k, ") + indexed("a", "3") + ", " + indexed("a", "2") + ", " + indexed("a", "1");
  if (loop == Loop::Forcing) sought += QStringLiteral(", b");
  QString html = QCoreApplication::translate(
                     "stability", "Для САУ с заданной структурой определите параметры передаточной функции:  ") +
                 kPurple.arg(sought + QStringLiteral(" - ?")) + " ";
  switch (loop) {
    case Loop::Lags:
    case Loop::Integrator:
      return html + QCoreApplication::translate("stability",
                                                "Затем определите коэффициент передачи %1, соответствующий "
                                                "границе устойчивости. ")
                        .arg(kPurple.arg(indexed("k", critical())));
    case Loop::DoubleIntegrator:
      return html + QCoreApplication::translate("stability", "Затем ответьте, устойчива ли САУ.");
    case Loop::Forcing:
      return html + QCoreApplication::translate("stability",
                                                "Затем определите постоянную времени %1, соответствующую "
                                                "границе устойчивости. ")
                        .arg(kPurple.arg(indexed("T", critical(4))));
  }
  return html;
}

struct Field {
  std::vector<Run> caption;
  int editX;
};

std::vector<Field> fields(Loop loop) {
  std::vector<Field> f{{{
                            text("k="),
                        },
                        46},
                       {{text("a"), sub("3"), text("=")}, 46},
                       {{text("a"), sub("2"), text("=")}, 46},
                       {{text("a"), sub("1"), text("=")}, 46}};
  if (loop == Loop::Lags || loop == Loop::Integrator) f.push_back({{text("k"), sub(critical()), text("=")}, 62});
  if (loop == Loop::Forcing) {
    f.push_back({{text("b=")}, 46});
    f.push_back({{text("T"), sub(critical(4)), text("=")}, 62});
  }
  return f;
}

}  // namespace

CoefficientWindow::CoefficientWindow(Host& host, const WindowDeclaration& declared, const WindowRow& row)
    : StabilityWindow(host, declared, row) {
  hasTrace_ = false;
  noReadout();

  auto* question = panel(QRect(192, 136, 433, 241), QStringLiteral("Panel1"));
  richText(question, QRect(8, 4, 417, 100), taskHtml(row.loop), 19, colors::Navy);

  // The data rows: T1, T2 (shown as T2 = T4 in the forcing loop), T3, k1.
  const QFont main = fonts::font(fonts::Arial, 21), small = fonts::font(fonts::Arial, 16);
  const std::vector<std::vector<Run>> rows{
      {text("T"), sub("1"), text(" = ")},
      row.loop == Loop::Forcing ? std::vector<Run>{text("T"), sub("2"), text(" = T"), sub("4"), text(" = ")}
                                : std::vector<Run>{text("T"), sub("2"), text(" = ")},
      {text("T"), sub("3"), text(" = ")},
      {text("k"), sub("1"), text(" = ")}};
  QLabel** values[] = {&LT1, &LT2, &LT3, &Lk1};
  const char* names[] = {"LT1", "LT2", "LT3", "Lk1"};
  for (int i = 0; i < 4; ++i) {
    const int y = 112 + 31 * i;
    const int x = captions::caption(question, QPoint(10, y), rows[i], main, small, colors::Teal);
    *values[i] = ui::label(question, QRect(x, y, 110, 25), QString(), fonts::font(fonts::Arial, 19), colors::Teal,
                           Qt::AlignLeft | Qt::AlignVCenter, false, QLatin1String(names[i]));
  }

  // The framed transfer function.
  auto* formula = ui::panel(question, QRect(236, 130, 189, 78), ui::Bevel::Single, QStringLiteral("PanelW"));
  ui::label(formula, QRect(4, 24, 54, 28), QStringLiteral("W(p)="), fonts::font(fonts::Arial, 17), Qt::black,
            Qt::AlignLeft | Qt::AlignVCenter);
  const QString num = row.loop == Loop::Forcing ? QStringLiteral("k(bp + 1)") : QStringLiteral("k");
  ui::label(formula, QRect(58, 4, 128, 26), num, fonts::font(fonts::Arial, 17), Qt::black, Qt::AlignCenter);
  auto* bar = new QFrame(formula);
  bar->setGeometry(60, 37, 124, 2);
  bar->setFrameStyle(QFrame::HLine | QFrame::Plain);
  auto* den = richText(
      formula, QRect(58, 44, 130, 28),
      indexed("a", "3") + "p<sup>3</sup>+" + indexed("a", "2") + "p<sup>2</sup>+" + indexed("a", "1") + "p+1", 15);
  den->setAlignment(Qt::AlignCenter);

  auto* task = panel(QRect(8, 76, 177, 301), QStringLiteral("Panel2"));
  taskNumber(task);
  ui::label(task, QPoint(9, 30), QCoreApplication::translate("stability", "Определите:"),
            fonts::font(fonts::Arial, 16));
  const std::vector<Field> fs = fields(row.loop);
  for (int i = 0; i < static_cast<int>(fs.size()); ++i) {
    const auto r = captions::answerRow(task, i + 1, 60 + 38 * i, fs[i].caption, 13, 7, fs[i].editX);
    addAnswer(r.edit, r.mark);
  }
}

std::vector<double> CoefficientWindow::truths() const {
  const Params& p = params_;
  if (row_.loop == Loop::Forcing) {
    const Coefficients c = coefficients(Loop::Forcing, p, p.t2);
    return {c.k, c.a3, c.a2, c.a1, c.b, criticalT4(p)};
  }
  const Coefficients c = coefficients(row_.loop, p);
  std::vector<double> t{c.k, c.a3, c.a2, c.a1};
  if (!asksStability()) t.push_back(criticalGain(row_.loop, p));
  return t;
}

void CoefficientWindow::FormCreate() {
  ExperimentWindow::FormCreate();
  takeData();
  const QString seconds = QCoreApplication::translate("stability", " c");
  LT1->setText(FloatToStr(params_.t1) + seconds);
  LT2->setText(FloatToStr(params_.t2) + seconds);
  LT3->setText(FloatToStr(params_.t3) + seconds);
  Lk1->setText(FloatToStr(params_.k1));
  const std::vector<double> t = truths();
  for (int i = 0; i < static_cast<int>(t.size()); ++i) expect(i, Acceptance::band(t[i]), acceptedText(t[i]));
}

// Nothing to trace: the timer the framework starts has nothing to do.
void CoefficientWindow::Timer1Timer() { Timer1->stop(); }

void CoefficientWindow::regenerate() {
  newData();
  FormActivate();
}

void CoefficientWindow::answerAccepted(int i) {
  if (!asksStability() || i + 1 < answerCount()) {
    StabilityWindow::answerAccepted(i);
    return;
  }
  // The loop has no a1 term: it cannot be stable whatever the parameters. "Yes" starts over.
  if (host().messages().confirm(QCoreApplication::translate("stability", "Устойчива ли данная САУ?")))
    regenerate();
  else
    allAnswered();
}

}  // namespace stability
