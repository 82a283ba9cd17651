#include "aperiodic_step.h"

#include <QCheckBox>

#include "aperiodic_texts.h"
#include "framework/canvas.h"
#include "framework/numtext.h"
#include "framework/plot_view.h"
#include "framework/random.h"

using namespace aperiodic;

namespace {
constexpr int Passes = 351;  // 1 to 350 draw, 351 ends the trace
constexpr int BoxX = 44;

MeasuringShape stepShape() {
  MeasuringShape s;
  s.xRight = 380;
  s.timeChars = 6;
  s.hChars = 6;
  return s;
}
}  // namespace

AperiodicStep::AperiodicStep(Host& host)
    : MeasuringForm(host, QStringLiteral("Form2_1"), texts::caption(1), texts::HelpContext,
                    {texts::Title, texts::taskNumber(1), texts::ReadStep, texts::Picture}, stepShape()) {
  taskText->setFont(fonts::font(fonts::Arial, 15));
  addAnswerRow(132, QStringLiteral("t  = "), 7, BoxX);
  taskLabel({17, 146}, QStringLiteral("p"), 12);
  addAnswerRow(162, QStringLiteral("T = "), 7, BoxX);
  addAnswerRow(192, QStringLiteral("k = "), 7, BoxX);
  taskLabel({8, 222}, QStringLiteral("t  - время регулирования"), 13);
  taskLabel({13, 230}, QStringLiteral("p"), 10);

  CB1 = new QCheckBox(QStringLiteral("Режим касательной"), taskPanel);
  CB1->setObjectName(QStringLiteral("CB1"));
  CB1->setFont(fonts::font(fonts::Arial, 14));
  CB1->setGeometry(8, 246, 165, 22);
  CB1->setEnabled(false);
  connect(CB1, &QCheckBox::clicked, this, [this] { guarded("CB1Click", [this] { CB1Click(); }); });
}

void AperiodicStep::FormCreate() {
  MeasuringForm::FormCreate();
  CB1->setEnabled(false);
  Randomize();
  data_ = Step::draw();
  timeStep_ = data_.dt();
  expect(0, data_.tpRule(), numtext::FloatCut(data_.tp(), 4));
  expect(1, Acceptance::band(data_.T), FloatToStr(data_.T));
  expect(2, Acceptance::band(data_.k), FloatToStr(data_.k));

  stepFrame();
}

TraceRunner::Recipe AperiodicStep::curveRecipe() {
  const Step d = data_;
  StepTrace t;
  t.passes = Passes;
  t.output = [d](int n) { return 240 - d.height(n); };
  t.leadDots = true;
  return {[this, t](int j) { return stepPass(j, t); },
          [this, d] {
            CB1->setEnabled(true);
            stepClosing(230 - d.height(350), 120, d.finalRow());
          }};
}

void AperiodicStep::CB1Click() {
  b_ = 50;
  redrawGuides();
  setBarsEnabled(!CB1->isChecked());
  for (int i = 0; i < answerCount(); ++i)
    if (!edit(i)->isReadOnly()) {
      edit(i)->setFocus();
      return;
    }
  host().focusNext();
}

void AperiodicStep::pointerMoved(int b, int) {
  if (!CB1->isChecked()) return;
  b_ = b;
  redrawGuides();
}

void AperiodicStep::drawGuides(Canvas& c) {
  if (!CB1->isChecked()) {
    MeasuringForm::drawGuides(c);
    return;
  }
  const Step& d = data_;
  const int endX = d.tangentEndX(b_);
  c.setPen(colors::Green, 1);
  c.line(30, 240 - ceil_(100 * d.tangentStart(b_)), endX, d.finalRow());
  c.setFont(fonts::SansSerif, 8);
  c.setFontColor(colors::Green);
  c.textOut(endX, d.finalRow() - 20,
            QStringLiteral("t = ") + numtext::FloatCut(b_ * d.dt() + d.T, 5) + QStringLiteral(" c"));
  c.setFontColor(colors::Black);
  c.setPen(colors::MoneyGreen, 1);
  c.line(b_ + 30, 30, b_ + 30, 240);
  c.line(30, 240 - d.height(b_), 360, 240 - d.height(b_));
}
