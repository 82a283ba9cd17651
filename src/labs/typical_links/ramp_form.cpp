// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ramp_form.h"

#include <QCoreApplication>
#include <QLabel>

#include "framework/canvas.h"
#include "framework/numtext.h"
#include "framework/plot_view.h"

namespace {
constexpr int Passes = 381;  // 1 to 380 draw, 381 ends the trace
}  // namespace

RampPlot RampPlot::of(const links::RampCase& r) {
  RampPlot d;
  d.p = r.p;
  d.output = [r](int n) { return r.output(n); };
  d.input = [r](int n) { return r.input(n); };
  d.dotsBeforeInput = r.dotsBeforeInput;
  const int np = r.crossingPixel();
  d.markX = np + 30;
  d.markTop = 240 - ceil_(np * r.G());
  d.labelAt = {np + 20, 245};
  d.crossingTime = r.crossingTime;
  d.answer = r.p.k;
  d.rule = Acceptance::band(r.p.k);
  return d;
}

RampPlot RampPlot::of(const integrating::Ramp& r) {
  RampPlot d;
  d.p.T = r.T;
  d.output = [r](int n) { return r.output(n); };
  d.input = [r](int n) { return r.input(n); };
  d.markX = r.crossingX();
  d.markTop = r.crossingTop();
  d.labelAt = {d.markX, 241};
  d.crossingTime = r.crossingTime();
  d.answer = r.T;
  d.rule = r.rule();
  return d;
}

RampPlot RampPlot::of(const integrating::Step& s) {
  RampPlot d;
  d.p.T = s.T;
  d.output = [s](int n) { return s.height(n); };
  d.stepIcon = [s](int n) { return s.rise(n); };
  d.answer = s.T;
  d.rule = s.rule();
  return d;
}

RampForm::RampForm(Host& host, const WindowDeclaration& declared, RampSetup setup)
    : TypicalForm(host, declared, setup.caption, setup.layout), setup_(std::move(setup)) {
  int answerTop = setup_.answerTop;
  if (!setup_.intro.isEmpty()) {
    const auto right = [](QLabel* l) { return l->x() + l->width(); };
    QLabel* intro = taskLabel({8, 32}, setup_.intro);
    intro->setWordWrap(true);
    intro->setFixedWidth(177);
    intro->adjustSize();
    int y = intro->y() + intro->height() + 4;
    QLabel* t = taskLabel({16, y}, QStringLiteral("T = "));
    valueT_ = taskLabel({right(t), y}, QString(), 16, colors::Teal);
    if (setup_.showsGamma) {
      y += 20;
      QLabel* g = taskLabel({16, y}, QStringLiteral("g = "), 16, Qt::black, true);
      valueG_ = taskLabel({right(g), y}, QString(), 16, colors::Teal);
    }
    QLabel* q = taskLabel({8, y + 24}, setup_.question);
    q->setWordWrap(true);
    q->setFixedWidth(177);
    q->adjustSize();
    if (!answerTop) answerTop = q->y() + q->height() + 14;
  }
  addAnswerRow(answerTop, setup_.answerName, setup_.answerLength);
  if (setup_.readout) {
    Image1->onMouseMove(
        [this](Qt::MouseButtons b, Qt::KeyboardModifiers m, int x, int y) { Image1MouseMove(b, m, x, y); });
    Image1->setOrigin({30, 240});
  } else {
    noReadout();
  }
  // The student may type while the curves grow.
  firstFieldOpenDuringTrace_ = setup_.openDuringTrace;
}

void RampForm::FormCreate() {
  TypicalForm::FormCreate();
  data_ = setup_.draw();
  expect(0, data_.rule, FloatToStr(data_.answer));
  if (valueT_) {
    valueT_->setText(FloatToStr(data_.p.T) + QCoreApplication::translate("typical", " c"));
    valueT_->adjustSize();
  }
  if (valueG_) {
    valueG_->setText(FloatToStr(data_.p.gamma));
    valueG_->adjustSize();
  }

  if (data_.stepIcon) {
    plotText(60, 0, QCoreApplication::translate("typical", "Реакция на единичный ступенчатый сигнал"), 10);
    plotText(10, 120, QStringLiteral("1"), 12);
  } else {
    plotText(40, 0, QCoreApplication::translate("typical", "Реакция на линейно-нарастающий сигнал g(t)=t"), 10);
  }
  timeFrame();
}

void RampForm::Image1MouseMove(Qt::MouseButtons b, Qt::KeyboardModifiers m, int X, int Y) {
  readoutMove(Image1, b, m, [&] { return setup_.readout(data_, X, Y); });
}

TraceRunner::Recipe RampForm::traceRecipe() {
  const RampPlot d = data_;
  if (d.stepIcon) {
    // The step at the input pass, the output dotted from zero up.
    StepTrace t;
    t.passes = Passes;
    t.output = [d](int n) { return 240 - d.output(n); };
    t.iconOutput = [d](int n) { return 240 - d.stepIcon(n); };
    t.input = 130;
    t.dots = true;
    t.leadDots = true;
    static_assert(integrating::kInputPass == RampInputPass);
    return {[this, t](int j) { return stepPass(j, t); },
            [this] {
              plotText(380, 20, QStringLiteral("r(t)"), 12, colors::Blue);
              plotText(380, 100, QStringLiteral("g(t)"), 12, colors::Red);
            }};
  }
  return {[this, d](int j) {
            if (j >= Passes) return false;
            rampPass(j, d, d.dotsBeforeInput);
            return true;
          },
          [this, d] {
            Canvas& c = Image1->canvas();
            c.setPen(colors::Black, 1);
            c.line(d.markX, 240, d.markX, d.markTop);
            c.setFont(fonts::SansSerif, 10, true);
            c.setFontColor(colors::Black);
            c.textOut(d.labelAt.x(), d.labelAt.y(),
                      FloatToStr(d.crossingTime) + QCoreApplication::translate("typical", " c"));
            plotText(380, 240 - d.output(380), QStringLiteral("r(t)"), 12, colors::Blue);
            plotText(380, 240 - d.input(380), QStringLiteral("g(t)"), 12, colors::Red);
          }};
}
