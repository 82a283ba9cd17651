#include "integrating_step.h"

#include "framework/canvas.h"
#include "framework/numtext.h"
#include "framework/plot_view.h"
#include "framework/random.h"
#include "integrating_texts.h"

using namespace integrating;

IntegratingStep::IntegratingStep(Host& host)
    : TypicalForm(host, QStringLiteral("Form1_1"), texts::caption(1), DeclaredHelp,
                  {texts::Title, texts::taskNumber(1), texts::ReadT, texts::Picture}) {
  addAnswerRow(texts::AnswerTop, QStringLiteral("T = "), 5);
  Image1->onMouseMove(
      [this](Qt::MouseButtons b, Qt::KeyboardModifiers m, int x, int y) { Image1MouseMove(b, m, x, y); });
  Image1->setOrigin({30, 240});
}

void IntegratingStep::FormCreate() {
  TypicalForm::FormCreate();
  Randomize();
  data_ = Step::draw();
  expect(0, data_.rule(), FloatToStr(data_.T));

  plotText(60, 0, QStringLiteral("Реакция на единичный ступенчатый сигнал"), 10);
  plotText(10, 120, QStringLiteral("1"), 12);
  timeFrame();
}

TraceRunner::Recipe IntegratingStep::traceRecipe() {
  const Step d = data_;
  StepTrace t;
  t.passes = kTimePasses;
  t.output = [d](int n) { return 240 - d.height(n); };
  t.iconOutput = [d](int n) { return 240 - d.rise(n); };
  t.input = 130;
  t.dots = true;
  t.leadDots = true;
  static_assert(kInputPass == RampInputPass);
  return {[this, t](int j) { return stepPass(j, t); },
          [this] {
            plotText(380, 20, QStringLiteral("r(t)"), 12, colors::Blue);
            plotText(380, 100, QStringLiteral("g(t)"), 12, colors::Red);
          }};
}

void IntegratingStep::Image1MouseMove(Qt::MouseButtons b, Qt::KeyboardModifiers m, int X, int Y) {
  readoutMove(Image1, b, m, [&] {
    const int bx = Step::offsetX(X);
    const int d = Step::offsetY(Y);
    return ReadoutText{QStringLiteral("h = "), numtext::FloatCut(Step::level(d), 6) + QStringLiteral("."),
                       QStringLiteral("t = "), numtext::FloatCut(data_.time(bx), 5) + QStringLiteral(" c;")};
  });
}
