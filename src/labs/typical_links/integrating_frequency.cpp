// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "integrating_frequency.h"

#include "framework/canvas.h"
#include "framework/numtext.h"
#include "link_texts.h"

FrequencyLink::Setup IntegratingFrequency::setup() const {
  Setup s;
  s.title = integrating::texts::title();
  s.captionPrefix = integrating::texts::caption(4) + QStringLiteral(".");
  s.amplitudeLength = 6;
  s.phaseLength = 5;
  return s;
}

void IntegratingFrequency::generate(bool keep, rnd::Source& random) {
  // Drawn in every run, as the series always has been, but only the first run's T is kept.
  const double T = integrating::Frequency::drawT(random);
  if (keep || data_.T == 0) data_.T = T;
}

QString IntegratingFrequency::amplitudeShown(double w) const { return numtext::FloatCut(data_.amplitude(w), 7); }

QString IntegratingFrequency::phaseShown(double) const { return numtext::local(QStringLiteral("-1.5707")); }

QString IntegratingFrequency::summaryPhase(double) const { return numtext::local(QStringLiteral("-1.5707")); }

void IntegratingFrequency::hodographExtras(Canvas& c) const {
  // The real axis carries a token scale: every point of this link lies on the imaginary one.
  c.setPen(colors::Black, 1);
  c.line(75, 60, 75, 65);
  c.line(225, 60, 225, 65);
  c.setFont(fonts::Arial, 7);
  c.setFontColor(colors::Black);
  c.textOut(65, 70, numtext::local(QStringLiteral("-0.005")));
  c.textOut(215, 70, numtext::local(QStringLiteral("0.005")));
}

freq::Box IntegratingFrequency::marker(freq::Plot plot, double w) const {
  switch (plot) {
    case freq::Plot::Hodograph:
      return data_.hodographMarker(w);
    case freq::Plot::Phase:
      return data_.phaseMarker(w);
    case freq::Plot::Lafc:
      break;
  }
  return data_.lafcMarker(w);
}

std::vector<freq::Curve> IntegratingFrequency::exactCurves(freq::Plot plot) const {
  switch (plot) {
    case freq::Plot::Hodograph:
      return {integrating::Frequency::hodographLine()};
    case freq::Plot::Phase:
      return {integrating::Frequency::phaseLine()};
    case freq::Plot::Lafc:
      break;
  }
  return {data_.lafcLine()};
}
