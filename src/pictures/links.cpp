// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/catalogue.h"

namespace pictures::catalogue {

using namespace draw;

namespace {

// A lone link as its work's windows show it. The windows lay 65 px icons over both ends
// of the arrows, so the signal names keep to the middle.
void paintLinkWindow(Diagram& d, const Block& block) {
  const QRectF leftIcons(0, 0, 65, d.size().height());
  const QRectF rightIcons(d.size().width() - 65, 0, 65, d.size().height());
  d.keepOut(leftIcons, QStringLiteral("the left icons"));
  d.keepOut(rightIcons, QStringLiteral("the right icons"));

  Row r(d, 44);
  r.input(QStringLiteral("G(p)"), kInputColour).block(block).output(QStringLiteral("R(p)"), kOutputColour);
  r.setLabelPosition(0, 0.6);
  r.setLabelPosition(1, 0.4);
  r.fit(0, d.size().width());
  r.draw();
}

// G(p) → [block] → R(p) with the caption underneath: the face of a link's work button.
Entry linkButton(const QString& name, const Block& block, const char* caption) {
  Style style = Style::button();
  // A lone link has room to breathe; equal box heights keep the faces of the buttons alike.
  style.padX = 5;
  style.minBoxHeight = 30;
  return {name, QSize(260, 73), Qt::white, style, [block, caption](Diagram& d) {
            Row r(d, 29);
            r.input(QStringLiteral("G(p)"), kInputColour)
                .minLength(50)
                .block(block)
                .minLength(50)
                .output(QStringLiteral("R(p)"), kOutputColour);
            const qreal width = r.minimumWidth();
            r.fit((d.size().width() - width) / 2, (d.size().width() + width) / 2);
            r.draw();
            d.caption(QCoreApplication::translate("pictures", caption));
          }};
}

}  // namespace

Entry linkWindow(const QString& name, const Block& block) {
  Style style = Style::window();
  style.formulaSize = 22;
  style.letterSize = 20;
  style.headLength = 11;
  style.headHalfWidth = 4;
  style.padX = 14;
  style.barGap = 3;
  style.barOverhang = 4;
  return {name, QSize(415, 88), Qt::white, style, [block](Diagram& d) { paintLinkWindow(d, block); }};
}

std::vector<Entry> links() {
  return {
      linkWindow(QStringLiteral("integral"), frac(QStringLiteral("1"), QStringLiteral("Tp"))),
      linkButton(QStringLiteral("BIntegrZveno"), frac(QStringLiteral("1"), QStringLiteral("Tp")),
                 QT_TRANSLATE_NOOP("pictures", "Интегрирующее звено")),
      linkButton(QStringLiteral("BAperZveno"), frac(QStringLiteral("k"), QStringLiteral("Tp+1")),
                 QT_TRANSLATE_NOOP("pictures", "Апериодическое звено")),
      linkButton(QStringLiteral("BKolebZveno"), frac(QStringLiteral("k"), QStringLiteral("T^2p^2+2ξTp+1")),
                 QT_TRANSLATE_NOOP("pictures", "Колебательное звено")),
      linkButton(QStringLiteral("B4"), expr(QStringLiteral("k·e^{-τp}")),
                 QT_TRANSLATE_NOOP("pictures", "Звено чистого запаздывания")),
      linkButton(QStringLiteral("B5"), frac(QStringLiteral("k"), QStringLiteral("Tp-1")),
                 QT_TRANSLATE_NOOP("pictures", "Неминимально-фазовое звено первого порядка")),
      linkButton(QStringLiteral("B6"), frac(QStringLiteral("T_1p+1"), QStringLiteral("T_2p")),
                 QT_TRANSLATE_NOOP("pictures", "\"ПИ\" звено")),
      linkButton(QStringLiteral("B7"), frac(QStringLiteral("T_1p"), QStringLiteral("T_2p+1")),
                 QT_TRANSLATE_NOOP("pictures", "Реально-дифф. звено")),
      linkButton(QStringLiteral("B8"), frac(QStringLiteral("k(T_1p+1)"), QStringLiteral("T_2p+1")),
                 QT_TRANSLATE_NOOP("pictures", "Инерционно-форсирующее звено")),
  };
}

}  // namespace pictures::catalogue
