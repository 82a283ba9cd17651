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

  plotText(50, 0, QStringLiteral("Реакция на синусоидальный сигнал g(t)=sin(wt)"), 10);
  plotText(15, 118, QStringLiteral("0"), 12);
  plotText(15, 5, QStringLiteral("h"), 12);
  plotText(380, 110, QStringLiteral("t, c"), 12);
  Canvas& c = Image1->canvas();
  c.setPen(colors::Black, 1);
  c.line(30, 20, 30, 260);
  c.line(10, 135, 410, 135);
  icon(Image3, colors::Black, 30, 20, 30, 260);
  icon(Image3, colors::Black, 10, 135, 410, 135);
  icon(Image4, colors::Black, 30, 20, 30, 260);
  icon(Image4, colors::Black, 10, 135, 410, 135);

  const int R = data_.amplitudePixels();
  plotText(0, 25, QStringLiteral("gmax"), 8, colors::Red);
  plotText(0, 120 - R, QStringLiteral("rmax"), 8, colors::Blue);
  for (int i = 1; i <= 19; ++i) {
    c.setPen(colors::Red, 1);
    c.line(20 * i, 25, 20 * i + 10, 25);
    c.line(20 * i, 245, 20 * i + 10, 245);
    c.setPen(colors::Blue, 1);
    c.line(20 * i, 135 - R, 20 * i + 10, 135 - R);
    c.line(20 * i, 135 + R, 20 * i + 10, 135 + R);
  }
}

void SineForm::icon(PlotView* v, const QColor& color, int x1, int y1, int x2, int y2) const {
  const int s = setup_.iconScale;
  Canvas& c = v->canvas();
  c.setPen(color, 1);
  c.line(ceil_(x1 / double(s)), ceil_(y1 / double(s)), ceil_(x2 / double(s)), ceil_(y2 / double(s)));
}

TraceRunner::Recipe SineForm::traceRecipe() {
  const links::SteadySine d = data_;
  return {[this, d](int j) {
    if (j >= LastPass) return false;
    // n starts below zero: the curves are in steady state from the left edge.
    const int n = j - InputPass;
    Canvas& c = Image1->canvas();
    c.setPen(colors::Blue, 2);
    c.line(j + 10, 135 - d.output(n), j + 11, 135 - d.output(n + 1));
    c.setPen(colors::Red, 2);
    c.line(j + 10, 135 - d.input(n), j + 11, 135 - d.input(n + 1));
    icon(Image4, colors::Blue, j + 10, 135 - d.output(n), j + 11, 135 - d.output(n + 1));
    icon(Image3, colors::Red, j + 10, 135 - d.input(n), j + 11, 135 - d.input(n + 1));
    return true;
  },
          {},
          1};
}
