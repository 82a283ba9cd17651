#include "integrating_step.h"

#include "framework/canvas.h"
#include "framework/numtext.h"
#include "framework/plot_view.h"
#include "framework/random.h"
#include "integrating_texts.h"

using namespace integrating;

IntegratingStep::IntegratingStep(Host& host)
    : TypicalForm(host, QStringLiteral("Form1_1"), texts::caption(1), texts::HelpContext,
                  {texts::Title, texts::taskNumber(1), texts::ReadT, texts::Picture}) {
  addAnswerRow(texts::AnswerTop, QStringLiteral("T = "), 5);
  Image1->onMouseMove([this](Qt::MouseButtons b, Qt::KeyboardModifiers m, int x, int y) { Image1MouseMove(b, m, x, y); });
  Image1->setOrigin({30, 240});
}

void IntegratingStep::FormCreate() {
  TypicalForm::FormCreate();
  Randomize();
  data_ = Step::draw();
  expect(0, data_.rule(), FloatToStr(data_.T));

  plotText(60, 0, QStringLiteral("Реакция на единичный ступенчатый сигнал"), 10);
  plotText(10, 120, QStringLiteral("1"), 12);
  plotText(10, 240, QStringLiteral("0"), 12);
  plotText(10, 10, QStringLiteral("h"), 12);
  plotText(380, 240, QStringLiteral("t, c"), 12);
  timeAxes(240);
}

TraceRunner::Recipe IntegratingStep::traceRecipe() {
  const Step d = data_;
  // n counts the output steps after the input is applied.
  auto n = std::make_shared<int>(0);
  return {[this, d, n](int j) {
            if (j >= kTimePasses) return false;
            Canvas& c = Image1->canvas();
            if (j < kInputPass) {
              c.setPen(colors::Blue, 3);
              c.dot(j + 10, 240);
              iconLine(Image3, colors::Red, j + 10, 240, j + 11, 240);
              iconLine(Image4, colors::Blue, j + 10, 240, j + 11, 240);
            } else if (j == kInputPass) {
              c.setPen(colors::Red, 3);
              c.line(30, 240, 30, 130);
              iconLine(Image3, colors::Red, 30, 240, 31, 130);
            } else {
              ++*n;
              c.setPen(colors::Blue, 3);
              c.dot(j + 10, 240 - d.height(*n));
              c.setPen(colors::Red, 3);
              c.dot(j + 10, 130);
              iconLine(Image3, colors::Red, j + 10, 130, j + 11, 130);
              iconLine(Image4, colors::Blue, j + 10, 240 - d.rise(*n), j + 11, 240 - d.rise(*n + 1));
            }
            return true;
          },
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
