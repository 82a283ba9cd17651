// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sine_form.h"

#include <QCoreApplication>
#include <QLabel>

#include "framework/canvas.h"
#include "framework/numtext.h"
#include "framework/plot_view.h"

namespace {
constexpr int InputPass = 20;
constexpr int BoxX = 62;
// The integrating link's phase is always -π/2; its box shows it to six decimals.
const char* const HalfPiShown = "-1.570796";
}  // namespace

SineCase SineCase::of(const links::SteadySine& s) {
  SineCase c;
  c.p = s.p;
  c.amplitude = s.amplitude;
  c.phase = s.phase;
  c.amplitudePixels = s.amplitudePixels();
  c.input = [s](int n) { return s.input(n); };
  c.output = [s](int n) { return s.output(n); };
  c.amplitudeRule = Acceptance::band(s.amplitude);
  c.phaseRule = Acceptance::band(s.phase);
  c.phaseShown = FloatToStr(s.phase);
  if (c.phaseShown.size() > 5) c.phaseShown = numtext::cut(c.phaseShown, 6);
  return c;
}

SineCase SineCase::of(const integrating::Sine& s) {
  SineCase c;
  c.p.T = s.T;
  c.p.w = s.w;
  c.amplitude = s.amplitude();
  c.phase = -std::numbers::pi / 2;
  c.amplitudePixels = s.amplitudePixels();
  c.input = [s](int n) { return s.input(n); };
  c.output = [s](int n) { return s.output(n); };
  c.amplitudeRule = s.amplitudeRule();
  c.phaseRule = integrating::Sine::phaseRule();
  c.phaseShown = numtext::local(QString::fromLatin1(HalfPiShown));
  return c;
}

SineForm::SineForm(Host& host, const WindowDeclaration& declared, SineSetup setup)
    : TypicalForm(host, declared, setup.caption, setup.layout), setup_(std::move(setup)) {
  iconScale_ = setup_.iconScale;
  buildTask();
  noReadout();
}

void SineForm::buildTask() {
  const SineTask& t = setup_.task;
  const auto right = [](QLabel* l) { return l->x() + l->width(); };
  taskLabel({8, t.introTop}, QCoreApplication::translate("typical", "Для заданных значений:"));
  const struct {
    const char* name;
    bool greek;
  } rows[] = {{"T = ", false}, {"w = ", true}, {"k = ", false}, {"g = ", true}};
  for (int i = 0; i < t.values; ++i) {
    const int y = t.valuesTop + t.valuesPitch * i;
    QLabel* name = taskLabel({16, y}, QString::fromUtf8(rows[i].name), 16, Qt::black, rows[i].greek);
    values_[i] = taskLabel({right(name), y}, QString(), 16, i > 0 || t.tealT ? colors::Teal : QColor(Qt::black));
  }
  // "определите разность фаз " followed by Δφ = φвых − φвх; the panel is too narrow for one
  // line, so the formula follows the last word on the next one, its indices small labels
  // beside their letters.
  const int y = t.questionTop;
  taskLabel({8, y}, QCoreApplication::translate("typical", "определите разность"));
  QLabel* last = taskLabel({8, y + t.lineGap}, QCoreApplication::translate("typical", "фаз "));
  QLabel* f1 = taskLabel({right(last), y + t.lineGap}, QStringLiteral("Dj= j"), 16, Qt::black, true);
  //: Index of the output phase φ_вых ("выход", output) in Δφ = φ_out − φ_in.
  QLabel* s1 = taskLabel({right(f1), y + t.lineGap + 8}, QCoreApplication::translate("typical", "вых"), 11);
  QLabel* f2 = taskLabel({right(s1), y + t.lineGap}, QStringLiteral(" - j"), 16, Qt::black, true);
  //: Index of the input phase φ_вх ("вход", input) in Δφ = φ_out − φ_in.
  taskLabel({right(f2), y + t.lineGap + 8}, QCoreApplication::translate("typical", "вх"), 11);
  QLabel* rest =
      taskLabel({8, y + t.restGap}, QCoreApplication::translate("typical", "и амплитуду сигнала на выходе:"));
  rest->setWordWrap(true);
  rest->setFixedWidth(177);
  rest->adjustSize();

  addAnswerRow(y + t.amplitudeGap, QStringLiteral("r    = "), 7, BoxX);
  taskLabel({17, y + t.maxGap}, QStringLiteral("max"), 11);
  addAnswerRow(y + t.phaseGap, QStringLiteral("Dj= "), 7, BoxX, true);
}

void SineForm::FormCreate() {
  TypicalForm::FormCreate();
  data_ = setup_.draw();
  const links::Params& p = data_.p;
  const double shown[] = {p.T, p.w, p.k, p.gamma};
  const QString units[] = {QCoreApplication::translate("typical", " c"),
                           QCoreApplication::translate("typical", " рад/c"), QString(), QString()};
  for (int i = 0; i < 4; ++i) {
    if (!values_[i]) continue;
    values_[i]->setText(QStringLiteral(" ") + FloatToStr(shown[i]) + units[i]);
    values_[i]->adjustSize();
  }

  QString amplitude = FloatToStr(data_.amplitude);
  if (amplitude.size() > 4) amplitude = numtext::cut(amplitude, 5);
  expect(0, data_.amplitudeRule, amplitude);
  expect(1, data_.phaseRule, data_.phaseShown);

  sineFrame(data_.amplitudePixels);
}

TraceRunner::Recipe SineForm::traceRecipe() {
  const SineCase d = data_;
  return {[this, d, last = setup_.passes](int j) {
            if (j >= last) return false;
            // n starts below zero: the curves are in steady state from the left edge.
            const int n = j - InputPass;
            outputSegment(j + 10, 135 - d.output(n), j + 11, 135 - d.output(n + 1));
            inputSegment(j + 10, 135 - d.input(n), j + 11, 135 - d.input(n + 1));
            return true;
          },
          {},
          1};
}
