// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "labs/correction/step_window.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>

#include "framework/canvas.h"
#include "framework/numtext.h"
#include "framework/plot_view.h"
#include "framework/random.h"
#include "framework/widgets.h"
#include "labs/correction/gain_window.h"

namespace correction {

using namespace layout;

namespace {

constexpr QSize PlotSize{379, 239};
constexpr int IconRow = 26;  // the time axis, 180 / 7 rounded up

// Plot panel and track bars share the room right of the task panel; the bars' 0..170 run
// along the plot's rows 10..180, where their lines are drawn.
MeasuringShape stepShape() {
  MeasuringShape s;
  s.task = TaskRect;
  s.bars = QRect(RightRect.left(), RightRect.top(), 49, RightRect.height());
  s.plot = QRect(RightRect.left() + 52, RightRect.top(), RightRect.width() - 52, RightRect.height());
  s.image = PlotSize;
  s.range = kLineMax;
  s.top = kLineMax;
  s.scale = kScale;
  s.xRight = 350;
  s.y0 = kAxisRow;
  s.yBottom = 220;
  s.above = 220;
  return s;
}

}  // namespace

StepWindow::StepWindow(Host& host, const WindowDeclaration& declared, const Work& work)
    : MeasuringForm(
          host, declared, layout::caption(work, declared.index),
          {.title = layout::title(work), .counter = layout::counter(work, declared), .picture = text(work.picture)},
          stepShape()),
      work_(work),
      n_(declared.index) {
  // The steady-state error may be typed while the curve is still growing.
  firstFieldOpenDuringTrace_ = true;
  Timer1->setInterval(10);
  setReadoutNames(QStringLiteral("h = "), QStringLiteral("t = "));
  arrangePanels();

  QWidget* task = taskPanel;
  ui::label(task, QPoint(8, 30), QCoreApplication::translate("correction", "Для заданной САУ:"),
            fonts::font(fonts::Arial, 16));
  LT = parameterRows(task, 50);
  layout::caption(task, QPoint(12, 98), QStringLiteral("k ="), QString(), QString(), 19, colors::Teal);
  Lk = ui::label(task, QRect(56, 98, 126, 23), QString(), fonts::font(fonts::Arial, 19), colors::Teal,
                 Qt::AlignLeft | Qt::AlignVCenter, false, QStringLiteral("Lk"));
  ui::label(task, QRect(6, 124, TaskRect.width() - 12, 52),
            QCoreApplication::translate("correction", "По графику переходной функции определите следующие параметры:"),
            fonts::font(fonts::Arial, 14), Qt::black, Qt::AlignLeft | Qt::AlignTop, true);
  //: Index of the steady-state error e (Russian e_уст, "установившаяся"); English e_ss.
  const AnswerRow e = answerRow(task, 1, 176, QStringLiteral("e"), QCoreApplication::translate("correction", "уст"));
  addAnswer(e.edit, e.mark);
  //: Index of the settling time t (Russian t_р, "время регулирования", written with a Latin p); English t_s.
  const AnswerRow t = answerRow(task, 2, 208, QStringLiteral("t"),
                                QCoreApplication::translate("correction", "p", "settling time index"));
  addAnswer(t.edit, t.mark);
}

void StepWindow::arrangePanels() {
  titlePanel->setGeometry(TitleRect);
  titleLabel->setGeometry(4, 4, TitleRect.width() - 8, TitleRect.height() - 8);
  titleLabel->setFont(titleFont(titleLabel->text()));
  diagramPanel->setGeometry(DiagramRect);
  Image2->setGeometry(3, 3, 427, 115);
  Image3->setGeometry(InputIconRect.translated(3, 3));
  Image4->setGeometry(OutputIconRect.translated(3, 3));
}

double StepWindow::takeGain() {
  // The gains the first window's draws give (they depend on T2/T1 only, from 6.5 to 8.4: 0.06
  // for the local feedback at the least, 13.2 for the parallel one at the most).
  const auto first = taken(QStringLiteral("gain"), {1, 0.01, 20}, [this]() -> std::optional<std::vector<double>> {
    const auto gains = ExperimentWindow::work().shared(declaration().firstForm, QStringLiteral("gains"));
    const int i = work_.gainOf.at(n_ - 2);
    if (!gains || i >= static_cast<int>(gains->size())) return std::nullopt;
    return std::vector{gains->at(i)};
  });
  if (first) return first->front();
  return gains(work_.scheme, params_.T1, params_.T2).at(work_.gainOf.at(n_ - 2));
}

void StepWindow::FormCreate() {
  MeasuringForm::FormCreate();
  Randomize();
  params_ = drawParams();
  k_ = takeGain();
  response_ = simulate(work_.scheme, params_.T1, params_.T2, k_);
  timeStep_ = response_.dt;
  showParameters(LT, params_.T1, params_.T2, 5);
  Lk->setText(numtext::FloatCut(k_, 5));
  // Known before the trace ends: the first box is open while the curve grows.
  expect(0, errorRule(response_), acceptedText(response_.error()));
  expect(1, settlingRule(response_), acceptedText(response_.settling));
  drawFrame();
}

void StepWindow::drawFrame() {
  Canvas& c = Image1->canvas();
  c.setBrush(colors::White);
  c.fillRect(0, 0, 415, 271);
  c.setPen(colors::Black, 1);
  c.setFontColor(colors::Black);
  c.setFont(fonts::SansSerif, 10, true);
  c.textOut(40, 4, QCoreApplication::translate("correction", "Реакция на единичный ступенчатый сигнал"));
  c.setFontSize(12);
  c.textOut(15, 5, QStringLiteral("h"));
  c.textOut(345, 160, QCoreApplication::translate("correction", "t, c"));
  c.line(30, 20, 30, 230);
  c.line(10, kAxisRow, 360, kAxisRow);

  c.setFont(fonts::Arial, 8);
  for (int i = 13; i <= kScale; i += 13) {
    c.line(30, kAxisRow - i, 25, kAxisRow - i);
    c.textOut(10, 175 - i, FloatToStr(i / 130.0));
  }
  for (int i = 13; i <= 39; i += 13) {
    c.line(30, kAxisRow + i, 25, kAxisRow + i);
    c.textOut(5, 175 + i, FloatToStr(-i / 130.0));
  }
  for (int i = 0; i <= 300; i += 50) {
    c.line(i + 30, kAxisRow, i + 30, 185);
    c.textOut(i + 22, 186, numtext::FloatCut(i * response_.dt, 5));
  }

  for (PlotView* icon : {Image3, Image4}) {
    Canvas& ic = icon->canvas();
    ic.setPen(colors::Black, 1);
    ic.line(5, 3, 5, icon == Image3 ? 29 : 33);
    ic.line(2, IconRow, 58, IconRow);
  }
}

TraceRunner::Recipe StepWindow::curveRecipe() {
  return {[this](int n) { return drawPass(n); }, {}};
}

// Pass n: before the input (n < 20) both signals at zero, the jump of the input at n = 20,
// then column i = n − 20 of the response and the input held at 1; pass 350 ends the trace.
bool StepWindow::drawPass(int n) {
  if (n >= kEndPass) return false;
  Canvas& plot = Image1->canvas();
  Canvas& in = Image3->canvas();
  Canvas& out = Image4->canvas();
  in.setPen(colors::Red, 1);
  out.setPen(colors::Blue, 1);
  if (n <= kInputPass) {
    plot.setPen(colors::Blue, 1);
    plot.line(n + 10, kAxisRow, n + 11, kAxisRow);
    if (n < kInputPass) {
      plot.setPen(colors::Red, 1);
      plot.line(n + 10, kAxisRow, n + 11, kAxisRow);
      in.line(mini(n + 10), IconRow, mini(n + 11), IconRow);
      out.line(mini(n + 10), IconRow, mini(n + 11), IconRow);
    } else {
      plot.setPen(colors::Red, 1);
      plot.line(kOriginX, kAxisRow, kOriginX, kAxisRow - kScale);
      in.line(mini(kOriginX), IconRow, mini(kOriginX), mini(kAxisRow - kScale));
    }
    return true;
  }
  const int i = n - kInputPass;
  const int top = kAxisRow - kScale;
  plot.setPen(colors::Red, 1);
  plot.line(n + 10, top, n + 11, top);
  const int y1 = row(response_.y[i]), y2 = row(response_.y[i + 1]);
  plot.setPen(colors::Blue, 1);
  plot.line(n + 10, y1, n + 11, y2);
  in.line(mini(n + 10), mini(top), mini(n + 11), mini(top));
  out.line(mini(n + 10), mini(y1), mini(n + 11), mini(y2));
  return true;
}

}  // namespace correction
