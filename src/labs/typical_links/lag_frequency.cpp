// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lag_frequency.h"

#include "framework/numtext.h"

QString LagFrequency::amplitudeShown(double w) const { return numtext::FloatCut(s_->amplitude(w), 7); }

QString LagFrequency::phaseShown(double w) const { return numtext::FloatCut(s_->phase(w), 5); }

QString LagFrequency::summaryPhase(double w) const { return numtext::FloatCut(s_->phase(w), 6); }

FrequencyLink::TickLabels LagFrequency::tickLabels() const {
  const links::LagSeries::Steps st = s_->steps();
  return {st.lg, st.db, st.phase, st.u, st.v};
}
