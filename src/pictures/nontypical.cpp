// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/catalogue.h"

namespace pictures::catalogue {

using namespace draw;

namespace {

const QSize kLinkPicture(301, 91);
constexpr qreal kRowY = 36;
constexpr qreal kFeedbackY = 78;

Block fr(const char* num, const char* den) { return frac(QString::fromUtf8(num), QString::fromUtf8(den)); }

// One first-order link as a single block.
Entry singleBlock(const QString& name, const Block& block) {
  return {name, kLinkPicture, Qt::white, Style::window(), [block](Diagram& d) {
            Row r(d, d.size().height() / 2.0);
            r.input(QStringLiteral("G(p)"), kInputColour).block(block).output(QStringLiteral("R(p)"), kOutputColour);
            r.fit(4, d.size().width() - 4);
            r.draw();
          }};
}

// The same link built from an integrator closed by unity feedback, followed by the gain k:
// positive feedback gives 1/(Tp − 1), negative feedback 1/(Tp + 1).
Entry integratorLoop(const QString& name, bool negative) {
  return {name, kLinkPicture, Qt::white, Style::window(), [negative](Diagram& d) {
            int sum = -1, branch = -1;
            Row r(d, kRowY);
            r.input(QStringLiteral("G(p)"), kInputColour)
                .sum(&sum)
                .block(fr("1", "Tp"))
                .branch(&branch)
                .block(expr(QStringLiteral("k")))
                .output(QStringLiteral("R(p)"), kOutputColour);
            r.setStretch(2, 0.6);
            r.fit(4, d.size().width() - 4);
            r.draw();
            r.feedback(branch, sum, kFeedbackY);

            const QPointF c = r.centre(sum);
            const qreal radius = d.style().sumRadius;
            if (negative) {
              // The sector the feedback enters is shaded: it is subtracted.
              QPainter& p = d.painter();
              p.save();
              p.setPen(Qt::NoPen);
              p.setBrush(kInkColour);
              p.drawPie(QRectF(c.x() - radius, c.y() - radius, 2 * radius, 2 * radius), -45 * 16, -90 * 16);
              p.restore();
            } else {
              d.label(QStringLiteral("+"), QPointF(c.x() - d.style().headHalfWidth - 2, c.y() + radius + 1),
                      Qt::AlignRight | Qt::AlignTop, kInkColour, d.style().letterSize - 2);
            }
          }};
}

}  // namespace

std::vector<Entry> nontypical() {
  return {
      linkWindow(QStringLiteral("chistzap"), expr(QStringLiteral("k·e^{-Tp}"))),
      singleBlock(QStringLiteral("nemin11"), fr("k", "Tp-1")),
      integratorLoop(QStringLiteral("nemin12"), false),
      singleBlock(QStringLiteral("nemin21"), fr("k", "Tp+1")),
      integratorLoop(QStringLiteral("nemin22"), true),
  };
}

}  // namespace pictures::catalogue
