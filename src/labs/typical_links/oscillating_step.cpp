#include "oscillating_step.h"

#include "framework/canvas.h"
#include "framework/numtext.h"
#include "framework/plot_view.h"
#include "framework/random.h"
#include "oscillating_texts.h"

using namespace oscillating;

namespace {
constexpr int Passes = 351;  // 1 to 350 draw, 351 ends the trace
constexpr int BoxX = 44;
}  // namespace

OscillatingStep::OscillatingStep(Host& host)
    : MeasuringForm(host, QStringLiteral("Form3_1"), texts::caption(1), texts::HelpContext,
                    {texts::Title, texts::taskNumber(1), texts::ReadStep, texts::Picture}) {
  taskText->setFont(fonts::font(fonts::Arial, 15));
  // Five rows under a five-line task text: the panel is filled to its last pixels.
  taskText->move(8, 30);
  addAnswerRow(120, QStringLiteral("k = "), 7, BoxX);
  addAnswerRow(146, QStringLiteral("s = "), 7, BoxX, true);
  addAnswerRow(172, QStringLiteral("t  = "), 7, BoxX);
  taskLabel({17, 186}, QStringLiteral("p"), 12);
  addAnswerRow(198, QStringLiteral("g = "), 7, BoxX, true);
  addAnswerRow(224, QStringLiteral("T = "), 7, BoxX);
  taskLabel({8, 251}, QStringLiteral("t  - время регулирования"), 13);
  taskLabel({13, 258}, QStringLiteral("p"), 10);
}

void OscillatingStep::FormCreate() {
  MeasuringForm::FormCreate();
  Randomize();
  data_ = Step::draw();
  timeStep_ = data_.dt();
  const Step& d = data_;
  expect(0, Acceptance::band(d.k), FloatToStr(d.k));
  expect(1, Acceptance::band(d.sigma(), 0.9, 1.1), numtext::FloatCut(d.sigma(), 4));
  expect(2, d.tpRule(), numtext::FloatCut(d.tp, 4));
  expect(3, Acceptance::band(d.gamma), FloatToStr(d.gamma));
  expect(4, Acceptance::band(d.T), FloatToStr(d.T));

  stepFrame();
}

TraceRunner::Recipe OscillatingStep::curveRecipe() {
  const Step d = data_;
  StepTrace t;
  t.passes = Passes;
  t.output = [d](int n) { return 240 - d.height(n); };
  t.iconStep = {30, 140};
  t.inputPen = 2;
  t.iconShift = 9;
  return {[this, t](int j) { return stepPass(j, t); },
          [this, d] { stepClosing(230 - d.height(350), 120, d.finalRow()); }};
}
