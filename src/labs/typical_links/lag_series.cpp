// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lag_series.h"

#include <algorithm>
#include <cmath>

namespace links {

double LagSeries::inputScale(double w) const { return std::min(55 / amplitude(w), 55.0); }

int LagSeries::input(double w, int n) const { return ceil_(inputScale(w) * std::sin(freq::K * n)); }

int LagSeries::output(double w, int n) const {
  return ceil_(amplitude(w) * inputScale(w) * std::sin(freq::K * n + phase(w)));
}

int LagSeries::inputDash(double w) const { return ceil_(inputScale(w)); }

int LagSeries::outputDash(double w) const { return ceil_(std::min(55 * amplitude(w), 55.0)); }

double LagSeries::readoutAmplitude(int d, double w) const { return d * std::max(1 / 55.0, amplitude(w) / 55); }

freq::Box LagSeries::marker(freq::Plot plot, double w) const {
  double x = 0, y = 0;
  switch (plot) {
    case freq::Plot::Hodograph:
      x = 150 + Su() * re(w);
      y = 60 - Sv() * im(w);
      if (hodographCeil()) return {ceil_(x - 5), ceil_(y - 5), ceil_(x + 5), ceil_(y + 5)};
      return {trunc_(x - 5), trunc_(y - 5), trunc_(x + 5), trunc_(y + 5)};
    case freq::Plot::Phase:
      x = 150 + std::log10(w) * Sx();
      y = 60 - phase(w) * Sphi();
      break;
    case freq::Plot::Lafc:
      x = 150 + std::log10(w) * Sx();
      y = 60 - level(w) * SL();
      break;
  }
  return {trunc_(x - 5), trunc_(y - 5), trunc_(x + 5), trunc_(y + 5)};
}

std::vector<freq::Curve> LagSeries::exactCurves(freq::Plot plot) const {
  std::vector<freq::Curve> out;
  if (plot == freq::Plot::Hodograph) {
    freq::Curve c{{}, 2};
    for (int i = 0; i <= 1000; ++i) {
      const double w = i / 50.0;
      c.points.push_back({trunc_(150 + Su() * re(w)), trunc_(60 - Sv() * im(w))});
    }
    out.push_back(std::move(c));
    return out;
  }
  const auto at = [&](double w) -> freq::Point {
    const double v = plot == freq::Plot::Phase ? phase(w) * Sphi() : level(w) * SL();
    return {trunc_(150 + std::log10(w) * Sx()), trunc_(60 - v)};
  };
  // The low decades as single segments, then a fine polyline from 0.1 to 100 rad/s.
  for (double v : {1.0, 10.0, 100.0, 1000.0}) out.push_back({{at(v / 1e5), at(11 * v / 1e5)}, 2});
  freq::Curve fine{{}, 2};
  for (int i = 1; i <= 1000; ++i) fine.points.push_back(at(i / 10.0));
  out.push_back(std::move(fine));
  return out;
}

}  // namespace links
