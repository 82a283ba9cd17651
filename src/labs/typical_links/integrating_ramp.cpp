#include "integrating_ramp.h"

#include "framework/canvas.h"
#include "framework/numtext.h"
#include "framework/plot_view.h"
#include "framework/random.h"
#include "integrating_texts.h"

using namespace integrating;

IntegratingRamp::IntegratingRamp(Host& host)
    : TypicalForm(host, QStringLiteral("Form1_2"), texts::caption(2), texts::HelpContext,
                  {texts::Title, texts::taskNumber(2), texts::ReadT, texts::Picture}) {
  addAnswerRow(texts::AnswerTop, QStringLiteral("T = "), 5);
  noReadout();
}

void IntegratingRamp::FormCreate() {
  TypicalForm::FormCreate();
  Randomize();
  data_ = Ramp::draw();
  expect(0, data_.rule(), FloatToStr(data_.T));

  plotText(40, 0, QStringLiteral("Реакция на линейно-нарастающий сигнал g(t)=t"), 10);
  plotText(10, 240, QStringLiteral("0"), 12);
  plotText(10, 10, QStringLiteral("h"), 12);
  plotText(380, 240, QStringLiteral("t, c"), 12);
  timeAxes(240);
}

TraceRunner::Recipe IntegratingRamp::traceRecipe() {
  const Ramp d = data_;
  static_assert(kInputPass == RampInputPass);
  return {[this, d](int j) {
            if (j >= kTimePasses) return false;
            rampPass(j, d, true);
            return true;
          },
          [this, d] {
            Canvas& c = Image1->canvas();
            const int x = d.crossingX();
            c.setFont(fonts::SansSerif, 10, true);
            c.setFontColor(colors::Black);
            c.textOut(x, 241, FloatToStr(d.crossingTime()) + QStringLiteral(" c"));
            c.setPen(colors::Black, 1);
            c.line(x, 240, x, d.crossingTop());
            plotText(380, 240 - d.output(380), QStringLiteral("r(t)"), 12, colors::Blue);
            plotText(380, 240 - d.input(380), QStringLiteral("g(t)"), 12, colors::Red);
          }};
}
