// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the compound-link works: the PI, real differentiating and inertial-forcing
// links as blocks, their transfer functions as formulas, and the amplifier circuit of the PI
// link's last window.
#include "pictures/catalogue.h"

#include <QPainter>
#include <QPolygonF>

namespace pictures::catalogue {

using namespace draw;

namespace {

const QColor kSecondOutputColour{0x80, 0x00, 0x80};
constexpr QSize kPanel(415, 88);
constexpr int kIconWidth = 65;

Style linkStyle() {
  Style s = Style::window();
  s.formulaSize = 20;
  s.letterSize = 19;
  s.headLength = 11;
  s.headHalfWidth = 4;
  s.padX = 12;
  s.barGap = 3;
  s.barOverhang = 4;
  return s;
}

// G(p) → [block] → R(p), the names kept clear of the icons the windows lay over both ends;
// with `twoOutputs` the output line carries R1(p) above it and R2(p) below it.
void paintLink(Diagram& d, const Block& block, bool twoOutputs) {
  d.keepOut(QRectF(0, 0, kIconWidth, d.size().height()), QStringLiteral("the input icon"));
  d.keepOut(QRectF(d.size().width() - kIconWidth, 0, kIconWidth, d.size().height()),
            QStringLiteral("the output icons"));
  const qreal y = twoOutputs ? 40 : 44;
  Row r(d, y);
  r.input(QStringLiteral("G(p)"), kInputColour)
      .block(block)
      .output(twoOutputs ? QStringLiteral("R_1(p)") : QStringLiteral("R(p)"), kOutputColour);
  r.setLabelPosition(0, 0.62);
  r.setLabelPosition(1, 0.36);
  r.fit(0, d.size().width());
  r.draw();
  if (twoOutputs) {
    const qreal from = r.rightPort(1).x();
    const qreal to = d.size().width() - kIconWidth;
    d.label(QStringLiteral("R_2(p)"), QPointF((from + to) / 2 - 4, y + d.style().labelGap + 2),
            Qt::AlignHCenter | Qt::AlignTop, kSecondOutputColour);
  }
}

// "W(p)=" and the fraction, centred in the panel, without a box.
void paintFormula(Diagram& d, const QString& lead, const QString& num, const QString& den) {
  const int size = 26;
  const Formula head(lead, size), top(num, size), bottom(den, size);
  const qreal barWidth = std::max(top.width(), bottom.width()) + 8;
  const qreal gap = 8;
  const qreal width = head.width() + gap + barWidth;
  const qreal left = std::round((d.size().width() - width) / 2);
  const qreal barY = Diagram::snap(d.size().height() / 2.0);
  QPainter& p = d.painter();
  head.drawAtBaseline(p, QPointF(left, std::round(barY + (head.ascent() - head.descent()) / 2)), kInkColour);
  const qreal barLeft = left + head.width() + gap;
  d.line(QPointF(barLeft, barY), QPointF(barLeft + barWidth, barY));
  top.drawAtBaseline(
      p, QPointF(std::round(barLeft + (barWidth - top.width()) / 2), std::floor(barY - 4 - top.descent())), kInkColour);
  bottom.drawAtBaseline(
      p, QPointF(std::round(barLeft + (barWidth - bottom.width()) / 2), std::ceil(barY + 4 + bottom.ascent())),
      kInkColour);
}

// The inverting amplifier: Z1 from the input to the inverting input, Z2 from there to the
// output, the non-inverting input grounded.
void paintAmplifier(Diagram& d) {
  const qreal y = Diagram::snap(66);     // the signal line
  const qreal top = Diagram::snap(22);   // the feedback line
  const qreal node = Diagram::snap(84);  // the junction at the inverting input
  const qreal ampLeft = Diagram::snap(104);
  const qreal ampTip = Diagram::snap(146);
  const qreal out = Diagram::snap(172);

  d.line(QPointF(4, y), QPointF(20, y));
  const QRectF z1 = d.boxAt(QPointF(40, y), expr(QStringLiteral("Z_1")));
  d.line(QPointF(z1.right(), y), QPointF(ampLeft, y));
  d.dot(QPointF(node, y));
  const QRectF z2 = d.boxAt(QPointF(128, top), expr(QStringLiteral("Z_2")));
  d.polyline({QPointF(node, y), QPointF(node, top), QPointF(z2.left(), top)});
  d.polyline({QPointF(z2.right(), top), QPointF(out - 8, top), QPointF(out - 8, y)});
  d.dot(QPointF(out - 8, y));

  QPainter& p = d.painter();
  p.save();
  p.setPen(QPen(kInkColour, d.style().lineWidth));
  p.setBrush(Qt::white);
  const qreal half = 22;
  const qreal mid = y + 8;
  p.drawPolygon(QPolygonF({QPointF(ampLeft, mid - half), QPointF(ampLeft, mid + half), QPointF(ampTip, mid)}));
  p.restore();
  d.line(QPointF(ampTip, mid), QPointF(out - 8, mid));
  d.line(QPointF(out - 8, mid), QPointF(out - 8, y));
  d.arrow(QPointF(out - 8, mid), QPointF(out, mid));
  // The inputs: the signal enters at the minus, the plus goes to ground.
  const qreal plusY = Diagram::snap(mid + 12);
  d.line(QPointF(ampLeft - 10, plusY), QPointF(ampLeft, plusY));
  d.line(QPointF(ampLeft - 10, plusY), QPointF(ampLeft - 10, plusY + 10));
  d.line(QPointF(ampLeft - 16, plusY + 10), QPointF(ampLeft - 4, plusY + 10));
  d.words(QStringLiteral("−"), QPointF(ampLeft + 4, y), Qt::AlignLeft | Qt::AlignVCenter);
  d.words(QStringLiteral("+"), QPointF(ampLeft + 4, plusY), Qt::AlignLeft | Qt::AlignVCenter);
}

Entry link(const QString& name, const Block& block, bool twoOutputs = false) {
  return {name, kPanel, Qt::white, linkStyle(), [block, twoOutputs](Diagram& d) { paintLink(d, block, twoOutputs); }};
}

Entry formula(const QString& name, const QString& lead, const QString& num, const QString& den) {
  return {name, kPanel, Qt::white, linkStyle(), [lead, num, den](Diagram& d) { paintFormula(d, lead, num, den); }};
}

}  // namespace

std::vector<Entry> compound() {
  const QString pi1 = QStringLiteral("T_1p+1"), pi2 = QStringLiteral("T_2p");
  const QString d1 = QStringLiteral("T_1p"), d2 = QStringLiteral("T_2p+1");
  Style amplifier = Style::window();
  amplifier.formulaSize = 15;
  return {
      link(QStringLiteral("pi"), frac(pi1, pi2)),
      formula(QStringLiteral("pi1"), QStringLiteral("W(p)="), pi1, pi2),
      {QStringLiteral("pi3"), QSize(177, 100), Qt::white, amplifier, paintAmplifier},
      link(QStringLiteral("diff"), frac(d1, d2)),
      formula(QStringLiteral("diff1"), QStringLiteral("W(p)="), d1, d2),
      link(QStringLiteral("diff2"), frac(d1, d2), true),
      link(QStringLiteral("infors"), frac(QStringLiteral("k(T_1p+1)"), d2)),
      formula(QStringLiteral("infors1"), QStringLiteral("W(p)= k·"), pi1, d2),
  };
}

}  // namespace pictures::catalogue
