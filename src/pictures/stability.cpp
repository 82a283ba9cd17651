// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/catalogue.h"

namespace pictures::catalogue {

using namespace draw;

namespace {

Block fr(const char* num, const char* den) { return frac(QString::fromUtf8(num), QString::fromUtf8(den)); }

// The stability windows show the whole picture (427x115) with nothing laid over it: the loop
// k1 and three links, unity negative feedback along the bottom.
Entry stabilityLoop(const QString& name, const QList<Part>& links) {
  QList<Part> parts{expr(QStringLiteral("k_1"))};
  parts += links;
  return {name, QSize(427, 115), Qt::white, Style::window(), [parts](Diagram& d) {
            Loop loop(d, 50, parts);
            loop.row.setStretch(loop.row.count() - 3, 0.5);  // last box → branch dot
            loop.draw(4, d.size().width() - 4, 100, 6);
          }};
}

}  // namespace

std::vector<Entry> stability() {
  return {
      stabilityLoop(QStringLiteral("lab16_1"), {fr("1", "T_1p+1"), fr("1", "T_2p+1"), fr("1", "T_3p+1")}),
      stabilityLoop(QStringLiteral("lab16_2"), {fr("1", "T_1p"), fr("1", "T_2p+1"), fr("1", "T_3p+1")}),
      stabilityLoop(QStringLiteral("lab16_3"), {fr("1", "T_1p"), fr("1", "T_2p"), fr("1", "T_3p+1")}),
      stabilityLoop(QStringLiteral("lab16_4"), {fr("T_4p+1", "T_1p"), fr("1", "T_2p"), fr("1", "T_3p+1")}),
  };
}

}  // namespace pictures::catalogue
