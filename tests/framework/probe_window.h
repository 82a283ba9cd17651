// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small experiment window that exists only for the tests of the framework: one plot,
// two answers (a value read off a line and an exact integer), a short trace.
#include "framework/window_registry.h"
#include "framework/canvas.h"
#include "framework/experiment_window.h"
#include "framework/numtext.h"
#include "framework/plot_view.h"
#include "framework/random.h"

class ProbeWindow : public ExperimentWindow {
 public:
  static inline int passes = 40;
  static inline bool openDuringTrace = false;

  ProbeWindow(Host& host, const WindowDeclaration& declared)
      : ExperimentWindow(host, declared, QStringLiteral("Проба")) {
    plot = new PlotView(client(), QRect(208, 104, 415, 271));
    plot->onMouseMove([this](Qt::MouseButtons b, Qt::KeyboardModifiers m, int x, int y) {
      readoutMove(plot, b, m, [&] {
        const int bx = readoutOffset(x, 30, 410, x - 30, 0, 410);
        const int d = readoutOffset(y, 20, 240, 240 - y, 240, 0);
        return ReadoutText{"h = ", numtext::FloatCut(d / 110.0, 6) + ".",
                           "t = ", numtext::FloatCut(bx * T / 190, 5) + " c;"};
      });
    });
    for (int i = 0; i < 2; ++i)
      addAnswer(new AnswerEdit(client(), QRect(60, 200 + 40 * i, 89, 25), 7, QStringLiteral("Edit%1").arg(i + 1)),
                new CheckMark(client(), QRect(150, 200 + 40 * i, 35, 25), QStringLiteral("SpeedButton%1").arg(i + 1)));
    firstFieldOpenDuringTrace_ = openDuringTrace;
  }

  void FormCreate() override {
    ExperimentWindow::FormCreate();
    ++generations;
    Randomize();
    T = RandomRange(10, 100) / 100.0;
    expect(0, Acceptance::band(-T), FloatToStr(-T));
    expect(1, Acceptance::exact(2), QStringLiteral("2"));
    plot->canvas().loadWall();
    plot->canvas().setPen(colors::Black);
    plot->canvas().line(30, 20, 30, 260);
    drawnPasses = 0;
  }

  TraceRunner::Recipe traceRecipe() override {
    const double t = T;
    return {[this, t](int j) {
              if (j > passes) return false;
              ++drawnPasses;
              // Every segment is drawn with the data the trace started with.
              if (t != T) mixed = true;
              plot->canvas().setPen(colors::Red, 2);
              plot->canvas().line(j + 9, 130, j + 10, 130);
              return true;
            },
            [this] { ++finished; }};
  }

  PlotView* plot;
  double T = 0;
  int generations = 0;
  int drawnPasses = 0;
  int finished = 0;
  bool mixed = false;
};

inline const WindowRegistry& probeRegistry() {
  static const WindowRegistry r = [] {
    WindowRegistry reg;
    // Two windows of one work that it does not end, under the integrating link's topic.
    for (int n = 1; n <= 2; ++n)
      reg.add({.form = QStringLiteral("Form1_%1").arg(n),
               .firstForm = QStringLiteral("Form1_1"),
               .index = n,
               .count = 2,
               .helpContext = 11},
              [](Host& h, const WindowDeclaration& d) { return ExperimentWindow::create<ProbeWindow>(h, d); });
    return reg;
  }();
  return r;
}
