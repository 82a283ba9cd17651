// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every frequency link draws at the frequency of a run: the two sinusoids over the
// passes and the run's markers on the three characteristics, all inside their bitmaps.
#include "labs/typical_links/frequency_link.h"
#include "labs/typical_links/frequency_plot.h"
#include "support/model_draws.h"

inline void frequencyPixels(draws::Probe& p, const FrequencyLink& link, double w) {
  constexpr QSize SinePlot{301, 125};
  for (int j = 1; j <= freq::kPasses; ++j) {
    p.pixel("sine input", j + 20, 60 - link.input(w, j - 20), SinePlot);
    p.pixel("sine output", j + 20, 60 - link.output(w, j - 20), SinePlot);
  }
  for (freq::Plot plot : {freq::Plot::Lafc, freq::Plot::Hodograph, freq::Plot::Phase}) {
    const freq::Box b = link.marker(plot, w);
    p.pixel("marker", b.x1, b.y1, SinePlot);
    p.pixel("marker", b.x2 - 1, b.y2 - 1, SinePlot);
  }
}
