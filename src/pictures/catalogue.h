// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "pictures/diagram.h"

#include <QColor>
#include <QCoreApplication>
#include <QSize>
#include <QString>
#include <functional>
#include <vector>

// How each named picture is made; pictures.cpp only caches what these produce.
namespace pictures::catalogue {

struct Entry {
  QString name;
  QSize size;
  QColor background;
  draw::Style style;
  std::function<void(draw::Diagram&)> paint;
};

std::vector<Entry> icons();       // plot background, ticks, step arrows
std::vector<Entry> links();       // single links: the integrator picture and the link buttons
std::vector<Entry> loops();       // closed loops: lab windows and loop buttons
std::vector<Entry> invariance();  // the invariance works' loops with their compensating paths
std::vector<Entry> typical();     // the aperiodic and oscillating links in their windows
std::vector<Entry> correction();  // the corrected loops of the correction windows
std::vector<Entry> nontypical();  // the pure delay and the first-order non-minimum-phase links

// G(p) → [block] → R(p) across the 415 x 88 diagram panel of a link's window, the signal
// names clear of the icons the window lays over both ends.
Entry linkWindow(const QString& name, const draw::Block& block);
std::vector<Entry> diagrams();   // the state-variable steps and the diagram to transform
std::vector<Entry> compound();   // PI, real differentiating and inertial-forcing links
std::vector<Entry> stability();  // the loops of the stability works (lab16_1 .. lab16_4)

}  // namespace pictures::catalogue
