#include "sine_form.h"

#include <QLabel>

#include "framework/canvas.h"
#include "framework/numtext.h"
#include "framework/plot_view.h"

namespace {
constexpr int LastPass = 380;  // passes 1 to 379 draw, 380 ends the trace
constexpr int InputPass = 20;
constexpr int BoxX = 62;
}  // namespace

SineForm::SineForm(Host& host, SineSetup setup)
    : TypicalForm(host, setup.objectName, setup.caption, setup.helpContext, setup.layout), setup_(std::move(setup)) {
  iconScale_ = setup_.iconScale;
  buildTask();
  noReadout();
}

void SineForm::buildTask() {
  const auto right = [](QLabel* l) { return l->x() + l->width(); };
  taskLabel({8, 30}, QStringLiteral("Для заданных значений:"));
  const struct {
    const char* name;
    bool greek;
  } rows[] = {{"T = ", false}, {"w = ", true}, {"k = ", false}, {"g = ", true}};
  const int shown = setup_.showsGamma ? 4 : 3;
  for (int i = 0; i < shown; ++i) {
    QLabel* name = taskLabel({16, 50 + 18 * i}, QString::fromUtf8(rows[i].name), 16, Qt::black, rows[i].greek);
    values_[i] = taskLabel({right(name), 50 + 18 * i}, QString(), 16, colors::Teal);
  }
  // Without the γ row the rest moves up by its height.
  const int y = setup_.showsGamma ? 124 : 106;
  taskLabel({8, y}, QStringLiteral("определите разность"));
  QLabel* last = taskLabel({8, y + 18}, QStringLiteral("фаз "));
  QLabel* f1 = taskLabel({right(last), y + 18}, QStringLiteral("Dj= j"), 16, Qt::black, true);
  QLabel* s1 = taskLabel({right(f1), y + 26}, QStringLiteral("вых"), 11);
  QLabel* f2 = taskLabel({right(s1), y + 18}, QStringLiteral(" - j"), 16, Qt::black, true);
  taskLabel({right(f2), y + 26}, QStringLiteral("вх"), 11);
  QLabel* rest = taskLabel({8, y + 38}, QStringLiteral("и амплитуду сигнала на выходе:"));
  rest->setWordWrap(true);
  rest->setFixedWidth(177);
  rest->adjustSize();

  addAnswerRow(y + 80, QStringLiteral("r    = "), 7, BoxX);
  taskLabel({17, y + 95}, QStringLiteral("max"), 11);
  addAnswerRow(y + 114, QStringLiteral("Dj= "), 7, BoxX, true);
}

void SineForm::FormCreate() {
  TypicalForm::FormCreate();
  data_ = setup_.draw();
  const links::Params& p = data_.p;
  const double shown[] = {p.T, p.w, p.k, p.gamma};
  const QString units[] = {QStringLiteral(" c"), QStringLiteral(" рад/c"), QString(), QString()};
  for (int i = 0; i < 4; ++i) {
    if (!values_[i]) continue;
    values_[i]->setText(QStringLiteral(" ") + FloatToStr(shown[i]) + units[i]);
    values_[i]->adjustSize();
  }

  QString amplitude = FloatToStr(data_.amplitude);
  if (amplitude.size() > 4) amplitude = numtext::cut(amplitude, 5);
  QString phase = FloatToStr(data_.phase);
  if (phase.size() > 5) phase = numtext::cut(phase, 6);
  expect(0, Acceptance::band(data_.amplitude), amplitude);
  expect(1, Acceptance::band(data_.phase), phase);

  sineFrame(data_.amplitudePixels());
}

TraceRunner::Recipe SineForm::traceRecipe() {
  const links::SteadySine d = data_;
  return {[this, d](int j) {
    if (j >= LastPass) return false;
    // n starts below zero: the curves are in steady state from the left edge.
    const int n = j - InputPass;
    outputSegment(j + 10, 135 - d.output(n), j + 11, 135 - d.output(n + 1));
    inputSegment(j + 10, 135 - d.input(n), j + 11, 135 - d.input(n + 1));
    return true;
  },
          {},
          1};
}
