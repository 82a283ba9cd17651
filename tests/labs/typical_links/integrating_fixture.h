// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opening the integrating-link windows with chosen parameters, dragging over their plots and
// looking at pixels.
#include "framework/window_registry.h"
#include "labs/typical_links/frequency_form.h"
#include "labs/typical_links/integrating_frequency.h"
#include "labs/typical_links/ramp_form.h"
#include "labs/typical_links/sine_form.h"
#include "support/fixture.h"

class Integrating : public TrainerTest {
 protected:
  // Draws as RandomRange returns them: T·100 (and ω·100 for the sine window).
  RampForm* openStep(int t) {
    script({t});
    return dynamic_cast<RampForm*>(start("Form1_1"));
  }
  RampForm* openRamp(int t) {
    script({t});
    return dynamic_cast<RampForm*>(start("Form1_2"));
  }
  SineForm* openSine(int t, int w) {
    script({t, w});
    return dynamic_cast<SineForm*>(start("Form1_3"));
  }
  // As Next from Form1_3 opens it: run 1.
  FrequencyForm* openFrequency(int t) {
    main->work().RepeatCount = 1;
    script({t});
    return dynamic_cast<FrequencyForm*>(start("Form1_4"));
  }
  static const integrating::Frequency& series(FrequencyForm* f) {
    return dynamic_cast<const IntegratingFrequency&>(f->link()).data();
  }
  // Both answers of the current run of the frequency window.
  void answerRun(FrequencyForm* f) {
    type(f, 0, FloatToStr(f->link().amplitude(f->omega())));
    type(f, 1, QStringLiteral("-1.57"));
    settle();
  }

  // Pixels of text in the colour inside r: antialiased glyphs have few pixels of the pure
  // colour, so any clearly tinted pixel of its hue counts.
  static int ink(PlotView* v, const QRect& r, const QColor& c) {
    int n = 0;
    for (int x = r.left(); x <= r.right(); ++x)
      for (int y = r.top(); y <= r.bottom(); ++y) {
        const QColor p = v->canvas().pixel(x, y);
        n +=
            c == QColor(Qt::black) ? p.value() < 128 : p.hsvSaturation() > 80 && std::abs(p.hsvHue() - c.hsvHue()) < 12;
      }
    return n;
  }
  // Pixels of the colour inside r (right and bottom edges included).
  static int count(PlotView* v, const QRect& r, const QColor& c) {
    int n = 0;
    for (int x = r.left(); x <= r.right(); ++x)
      for (int y = r.top(); y <= r.bottom(); ++y) n += v->canvas().pixel(x, y) == c;
    return n;
  }
};
