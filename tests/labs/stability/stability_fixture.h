// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The trainer with its real windows, and what a student does in a stability window: read the
// data off the labels, work the answers out independently, type them.
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>
#include <cmath>
#include <numbers>

#include "closed_forms.h"
#include "labs/stability/coefficient_window.h"
#include "labs/stability/frequency_window.h"
#include "labs/stability/poles_window.h"
#include "support/fixture.h"

class StabilityTest : public TrainerTest {
 protected:
  static QString form(int work, int task) { return QStringLiteral("Form%1_%2").arg(15 + work).arg(task); }
  static int ownerTask(int work) { return work == 3 ? 2 : 1; }

  QString text(QWidget* w, const char* name) const {
    auto* l = w->findChild<QLabel*>(QLatin1String(name));
    return l ? l->text() : QString();
  }
  double value(QWidget* w, const char* name) const {
    QString t = text(w, name);
    if (t.endsWith(" c")) t.chop(2);
    return StrToFloat(t).value_or(-1);
  }
  // The work's data as its owner window shows them.
  st::P shown(int work) const { return shownBy(main->findWindow(form(work, ownerTask(work)))); }
  st::P shownBy(ExperimentWindow* o) const {
    EXPECT_TRUE(o);
    if (!o) return {1, 1, 1, 1};
    return {value(o, "LT1"), value(o, "LT2"), value(o, "LT3"), value(o, "Lk1")};
  }
  QPushButton* button(const char* name) const { return main->findChild<QPushButton*>(QLatin1String(name)); }
  void next() {
    button("BNext")->click();
    settle();
  }
  static QString num(double v) { return numtext::FloatCut(std::abs(v) < 1e-9 ? 0.0 : v, 7); }

  // The coefficient windows: k, a3, a2, a1 and the critical value (b and T4,кр for work 3).
  void answerCoefficients(ExperimentWindow* w, int work, int task) {
    const st::P p = shownBy(w);
    const double t4 = p.t2;
    const auto c = work == 3 && task == 1 ? std::array<double, 4>{p.t1 * p.t2 * p.t3, p.t1 * p.t2, 0, p.k1}
                                          : st::polynomial(work, p, work == 3 ? t4 : p.k1);
    std::vector<double> a{work == 1 ? p.k1 / c[3] : 1.0, c[0] / c[3], c[1] / c[3], c[2] / c[3]};
    if (work < 3) a.push_back(st::criticalValue(work, p));
    if (work == 3 && task == 2) {
      a.push_back(t4);
      a.push_back(st::criticalValue(3, p));
    }
    for (std::size_t i = 0; i < a.size(); ++i) type(w, int(i), num(a[i]));
  }

  // The topmost and lowest blue rows in a column of a plot.
  static std::pair<int, int> blueRows(PlotView* v, int x) {
    int top = -1, bottom = -1;
    for (int y = 0; y < v->height(); ++y)
      if (px(v, x, y) == colors::Blue) {
        if (top < 0) top = y;
        bottom = y;
      }
    return {top, bottom};
  }

  // The margins (zero on the boundary; Δφ read off the phase plot at the crossover's column in
  // work 3) and the crossover frequency.
  void answerFrequency(stability::FrequencyWindow* f, int work) {
    const st::P p = shown(work);
    const double v = work == 3 ? f->loopValue() : st::criticalValue(work, p);  // q is not shown
    const double wc = st::crossover(work, p, v);
    if (work < 3) {
      type(f, 0, "0");
      type(f, 1, "0");
    } else {
      const int col = 150 + static_cast<int>(std::lround(100 * std::log10(wc)));
      // The 2-pixel pen lies on the curve's row and the one above: the lower one is the curve.
      const int row = blueRows(f->Image3, col).second;
      EXPECT_GE(row, 0);
      type(f, 0, num(-std::numbers::pi - (60 - row) / 10.0));
    }
    type(f, f->answerCount() - 1, num(wc));
  }

  // Poles of the window's loop, from its shown data and multiplier, typed in `order`.
  void answerPoles(stability::PolesWindow* w, int work, std::array<int, 3> order = {0, 1, 2}) {
    const st::P p = shown(work);
    const double m = w->La ? StrToFloat(w->La->text()).value_or(-1) : 1.0;
    const st::Roots r = st::poles(work, p, m * st::criticalValue(work, p));
    int field = 0;
    for (int k : order) {
      type(w, field++, num(r[k].real()));
      type(w, field++, num(r[k].imag()));
    }
  }
};
