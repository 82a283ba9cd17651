#include "integrating_sine.h"

#include <QFontMetrics>
#include <QLabel>

#include "framework/canvas.h"
#include "framework/numtext.h"
#include "framework/plot_view.h"
#include "framework/random.h"
#include "integrating_texts.h"

using namespace integrating;

namespace {
// The phase is always -π/2; the box shows it to six decimals.
const char* const PhaseShown = "-1.570796";
constexpr int BoxX = 62;
}  // namespace

IntegratingSine::IntegratingSine(Host& host)
    : TypicalForm(host, QStringLiteral("Form1_3"), texts::caption(3), texts::HelpContext,
                  {texts::Title, texts::taskNumber(3), QString(), texts::Picture}) {
  buildTask();
  noReadout();
}

void IntegratingSine::buildTask() {
  const auto right = [](QLabel* l) { return l->x() + l->width(); };
  taskLabel({8, 32}, QStringLiteral("Для заданных значений:"));
  QLabel* t = taskLabel({16, 53}, QStringLiteral("T = "));
  valueT_ = taskLabel({right(t), 53}, QString());
  QLabel* w = taskLabel({16, 73}, QStringLiteral("w = "), 16, Qt::black, true);
  valueW_ = taskLabel({right(w), 73}, QString(), 16, colors::Teal);
  // "определите разность фаз " followed by Δφ = φвых − φвх; the panel is too narrow for one
  // line, so the formula follows the last word on the next one.
  taskLabel({8, 96}, QStringLiteral("определите разность"));
  QLabel* last = taskLabel({8, 116}, QStringLiteral("фаз "));
  // The indices are small labels beside their letters.
  QLabel* f1 = taskLabel({right(last), 116}, QStringLiteral("Dj= j"), 16, Qt::black, true);
  QLabel* s1 = taskLabel({right(f1), 124}, QStringLiteral("вых"), 11);
  QLabel* f2 = taskLabel({right(s1), 116}, QStringLiteral(" - j"), 16, Qt::black, true);
  taskLabel({right(f2), 124}, QStringLiteral("вх"), 11);

  QLabel* rest = taskLabel({8, 140}, QStringLiteral("и амплитуду сигнала на выходе:"));
  rest->setWordWrap(true);
  rest->setFixedWidth(177);
  rest->adjustSize();

  addAnswerRow(190, QStringLiteral("r    = "), 7, BoxX);
  taskLabel({17, 205}, QStringLiteral("max"), 11);
  addAnswerRow(228, QStringLiteral("Dj= "), 7, BoxX, true);
}

void IntegratingSine::FormCreate() {
  TypicalForm::FormCreate();
  Randomize();
  data_ = Sine::draw();
  QString amplitude = FloatToStr(data_.amplitude());
  if (amplitude.size() > 4) amplitude = numtext::cut(amplitude, 5);
  expect(0, data_.amplitudeRule(), amplitude);
  expect(1, Sine::phaseRule(), numtext::local(QString::fromLatin1(PhaseShown)));
  valueT_->setText(QStringLiteral(" ") + FloatToStr(data_.T) + QStringLiteral(" c"));
  valueW_->setText(QStringLiteral(" ") + FloatToStr(data_.w) + QStringLiteral(" рад/c"));
  valueT_->adjustSize();
  valueW_->adjustSize();

  sineFrame(data_.amplitudePixels());
}

TraceRunner::Recipe IntegratingSine::traceRecipe() {
  const Sine d = data_;
  return {[this, d](int j) {
    if (j >= kTimePasses) return false;
    // k starts below zero, so the curves are already in steady state at the left edge.
    const int k = j - kInputPass;
    outputSegment(j + 10, 135 - d.output(k), j + 11, 135 - d.output(k + 1));
    inputSegment(j + 10, 135 - d.input(k), j + 11, 135 - d.input(k + 1));
    return true;
  },
          {},
          1};
}
