#include "ramp_form.h"

#include <QLabel>

#include "framework/canvas.h"
#include "framework/numtext.h"
#include "framework/plot_view.h"

namespace {
constexpr int Passes = 381;  // 1 to 380 draw, 381 ends the trace
}  // namespace

RampForm::RampForm(Host& host, RampSetup setup)
    : TypicalForm(host, setup.objectName, setup.caption, setup.helpContext, setup.layout), setup_(std::move(setup)) {
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
  addAnswerRow(q->y() + q->height() + 14, QStringLiteral("k = "), 7);
  noReadout();
  // The student may type while the curves grow.
  firstFieldOpenDuringTrace_ = true;
}

void RampForm::FormCreate() {
  TypicalForm::FormCreate();
  data_ = setup_.draw();
  expect(0, Acceptance::band(data_.p.k), FloatToStr(data_.p.k));
  valueT_->setText(FloatToStr(data_.p.T) + QStringLiteral(" c"));
  valueT_->adjustSize();
  if (valueG_) {
    valueG_->setText(FloatToStr(data_.p.gamma));
    valueG_->adjustSize();
  }

  plotText(40, 0, QStringLiteral("Реакция на линейно-нарастающий сигнал g(t)=t"), 10);
  plotText(10, 240, QStringLiteral("0"), 12);
  plotText(10, 10, QStringLiteral("h"), 12);
  plotText(380, 240, QStringLiteral("t, c"), 12);
  timeAxes(240);
}

TraceRunner::Recipe RampForm::traceRecipe() {
  const links::RampCase d = data_;
  return {[this, d](int j) {
            if (j >= Passes) return false;
            rampPass(j, d, d.dotsBeforeInput);
            return true;
          },
          [this, d] {
            Canvas& c = Image1->canvas();
            const int np = d.crossingPixel();
            c.setPen(colors::Black, 1);
            c.line(np + 30, 240, np + 30, 240 - ceil_(np * d.G()));
            c.setFont(fonts::SansSerif, 10, true);
            c.setFontColor(colors::Black);
            c.textOut(np + 20, 245, FloatToStr(d.crossingTime) + QStringLiteral(" c"));
            plotText(380, 240 - d.output(380), QStringLiteral("r(t)"), 12, colors::Blue);
            plotText(380, 240 - d.input(380), QStringLiteral("g(t)"), 12, colors::Red);
          }};
}
