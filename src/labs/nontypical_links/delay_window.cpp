// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "delay_window.h"

#include <QCoreApplication>
#include <QLabel>

#include "framework/canvas.h"
#include "framework/numtext.h"
#include "framework/plot_view.h"

using namespace nontypical;

namespace {
constexpr int Zero = 135;  // the zero level of both signals
}  // namespace

DelayWindow::DelayWindow(Host& host, const WindowDeclaration& declared)
    : TypicalForm(host, declared, QCoreApplication::translate("nontypical", "Звено чистого запаздывания. Опыт №1"),
                  {.title = QCoreApplication::translate("nontypical", "Звено чистого запаздывания"),
                   .picture = QStringLiteral("chistzap")}) {
  buildTask();
  Timer1->setInterval(10);
  setReadoutNames(QStringLiteral("h ="), QStringLiteral("j ="), true);
  Image1->onMouseMove(
      [this](Qt::MouseButtons b, Qt::KeyboardModifiers m, int x, int y) { Image1MouseMove(b, m, x, y); });
  Image1->setOrigin({30, 135});
}

void DelayWindow::buildTask() {
  const auto right = [](QLabel* l) { return l->x() + l->width(); };
  taskLabel({8, 34}, QCoreApplication::translate("nontypical", "Для заданных значений:"));
  //: The amplitude A of the input sine (a Cyrillic А in the source).
  QLabel* a = taskLabel({16, 58}, QCoreApplication::translate("nontypical", "А = "), 16, colors::Teal);
  LT1 = taskLabel({right(a), 58}, QString(), 16, colors::Teal);
  LT1->setObjectName(QStringLiteral("LT1"));
  QLabel* w = taskLabel({16, 80}, QStringLiteral("w = "), 16, colors::Teal, true);
  Lw1 = taskLabel({right(w), 80}, QString(), 16, colors::Teal);
  Lw1->setObjectName(QStringLiteral("Lw1"));
  taskLabel({8, 108}, QCoreApplication::translate("nontypical", "определить: "));
  addAnswerRow(144, QStringLiteral("k = "), 7);
  addAnswerRow(184, QStringLiteral("T= "), 7);
}

void DelayWindow::FormCreate() {
  TypicalForm::FormCreate();
  data_ = Delay::draw();
  expect(0, data_.gainRule(), numtext::FloatCut(data_.k, 5));
  expect(1, data_.delayRule(), numtext::FloatCut(data_.T, 6));
  Lw1->setText(QStringLiteral(" ") + FloatToStr(data_.w) + QCoreApplication::translate("nontypical", " рад/c"));
  LT1->setText(QStringLiteral(" ") + FloatToStr(data_.A));
  Lw1->adjustSize();
  LT1->adjustSize();

  plotText(35, 4, QCoreApplication::translate("nontypical", "Реакция на гармонический сигнал g(t)=A*sin(wt)"), 10);
  plotText(15, 118, QStringLiteral("0"), 12);
  plotText(15, 5, QStringLiteral("h"), 12);
  plotText(375, 110, QCoreApplication::translate("nontypical", "wt, c"), 12);
  timeAxes(Zero);

  // The input amplitude is 110 pixels whatever A is; the output's is ⌈110k⌉.
  const int out = data_.outputDash();
  Canvas& c = Image1->canvas();
  for (int i = 1; i <= 19; ++i) {
    c.setPen(colors::Red, 1);
    c.line(20 * i, Zero - 110, 20 * i + 10, Zero - 110);
    c.line(20 * i, Zero + 110, 20 * i + 10, Zero + 110);
    c.setPen(colors::Blue, 1);
    c.line(20 * i, Zero - out, 20 * i + 10, Zero - out);
    c.line(20 * i, Zero + out, 20 * i + 10, Zero + out);
  }
}

TraceRunner::Recipe DelayWindow::traceRecipe() {
  const Delay d = data_;
  return {[this, d](int s) {
            if (s >= kDelayEndPass) return false;
            // Time index n starts below zero, so both signals are already in steady state
            // at the left edge; x = n + 30 puts the time origin on the vertical axis.
            const int n = s - kDelayOriginPass;
            const int x = s + 10;
            outputSegment(x, Zero - d.output(n), x + 1, Zero - d.output(n + 1));
            inputSegment(x, Zero - d.input(n), x + 1, Zero - d.input(n + 1));
            return true;
          },
          {},
          1};
}

void DelayWindow::Image1MouseMove(Qt::MouseButtons b, Qt::KeyboardModifiers m, int X, int Y) {
  readoutMove(Image1, b, m, [&] {
    const int bx = Delay::offsetX(X);
    const int d = Delay::offsetY(Y);
    return ReadoutText{QStringLiteral("h = "), numtext::FloatCut(data_.level(d), 6) + QStringLiteral(";"),
                       QStringLiteral("j = "),
                       numtext::FloatCut(data_.phase(bx), 5) + QCoreApplication::translate("nontypical", "рад"), true};
  });
}
