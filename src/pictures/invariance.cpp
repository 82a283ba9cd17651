// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The invariance works: a loop of two lags with a compensating path from the reference G
// (into the junction between the lags) or from the disturbance F (back to the input junction).
#include "pictures/catalogue.h"

namespace pictures::catalogue {

using namespace draw;

namespace {

const QColor kPurple{0x80, 0x00, 0x80};

Block fr(const char* num, const char* den) { return frac(QString::fromUtf8(num), QString::fromUtf8(den)); }

// The compensator's box with its name in purple.
QRectF compensator(Diagram& d, QPointF centre, const QString& name) {
  const QSizeF s = d.blockSize(expr(name));
  const QRectF r(Diagram::snap(centre.x() - s.width() / 2), Diagram::snap(centre.y() - s.height() / 2), s.width(),
                 s.height());
  d.box(r, expr(QString()));
  Formula(name, d.style().formulaSize).drawCentred(d.painter(), r.center(), kPurple);
  return r;
}

// The windows show the picture at 415 x 88 and lay the plot's icons over it: beside G and R
// under the row for the reference, beside F at the top and over the end of R for the
// disturbance.
constexpr QSize kSize{415, 88};
const QRectF kReferenceIn{0, 52, 57, 33};
const QRectF kReferenceOut{358, 52, 57, 33};
const QRectF kDisturbanceOut{358, 47, 57, 41};
constexpr qreal kFeedForwardX = 204.5;  // the F arrow; its icon lies right of it
const QRectF kDisturbanceIn{kFeedForwardX + 4, 0, 57, 33};

// G [• path] ⊗E → 1/(T1p+1) → ⊗ → 1/(T2p+1) → • → R; `box` empty: no compensating path.
void paintReference(Diagram& d, const QString& box) {
  d.keepOut(kReferenceIn, QStringLiteral("the input icon"));
  d.keepOut(kReferenceOut, QStringLiteral("the output icon"));
  Row row(d, 48);
  int branch = -1, e = -1, lag1 = -1, mid = -1, out = -1;
  row.input().stretch(1);
  if (!box.isEmpty()) row.branch(&branch).stretch(0.4);
  row.sum(&e).label(QStringLiteral("E"), kPurple).block(fr("1", "T_1p+1"), &lag1);
  if (!box.isEmpty()) row.sum(&mid);
  row.block(fr("1", "T_2p+1")).branch(&out).stretch(1.2).output();
  row.fit(2, kSize.width() - 2);
  row.draw();
  row.feedback(out, e, 80);
  if (box.isEmpty()) return;
  const qreal top = Diagram::snap(11);
  const QRectF k = compensator(d, QPointF(row.centre(lag1).x(), top), box);
  const QPointF from = row.centre(branch), into = row.top(mid);
  d.arrow({from, QPointF(from.x(), top), QPointF(k.left(), top)});
  d.arrow({QPointF(k.right(), top), QPointF(into.x(), top), into});
}

// ⊗[E] → 1/(T1p+1) → ⊗ ← F → 1/(T2p+1) → • → R; `box` empty: F only enters the loop.
void paintDisturbance(Diagram& d, const QString& box) {
  d.keepOut(kDisturbanceIn, QStringLiteral("the disturbance icon"));
  d.keepOut(kDisturbanceOut, QStringLiteral("the output icon"));
  Row row(d, 56);
  int e = -1, lag1 = -1, mid = -1, out = -1;
  row.input(QString()).stretch(0.6).sum(&e).minLength(26);
  if (!box.isEmpty()) row.label(QStringLiteral("E"), kPurple);
  // R and the branch stay left of the output icon, which covers the arrow's end.
  row.block(fr("1", "T_1p+1"), &lag1)
      .sum(&mid)
      .block(fr("1", "T_2p+1"))
      .stretch(0.2)
      .branch(&out)
      .stretch(3)
      .output(QString());
  row.fit(2, kSize.width() - 2);
  row.draw();
  d.label(QStringLiteral("R"), QPointF(row.centre(out).x() + 5, 56 - d.style().labelGap - 1),
          Qt::AlignLeft | Qt::AlignBottom, kOutputColour);
  row.feedback(out, e, 84);
  const QPointF f = row.top(mid);
  d.arrow(QPointF(f.x(), 0), f);
  d.label(QStringLiteral("F"), QPointF(f.x() - 4, 20), Qt::AlignRight | Qt::AlignTop, kInputColour);
  if (f.x() > kFeedForwardX + 1 || f.x() < kFeedForwardX - 1)
    d.reportProblem(QStringLiteral("F arrow at %1, its icon expects %2").arg(f.x()).arg(kFeedForwardX));
  if (box.isEmpty()) return;
  const qreal top = Diagram::snap(14);
  const QPointF from(f.x(), top), into = row.top(e);
  d.dot(from);
  const QRectF k = compensator(d, QPointF(row.centre(lag1).x(), top), box);
  d.arrow(from, QPointF(k.right(), top));
  d.arrow({QPointF(k.left(), top), QPointF(into.x(), top), into});
}

Entry entry(const QString& name, void (*paint)(Diagram&, const QString&), const QString& box) {
  return {name, kSize, Qt::white, Style::window(), [paint, box](Diagram& d) { paint(d, box); }};
}

}  // namespace

std::vector<Entry> invariance() {
  const QString wk = QStringLiteral("W_k"), k = QStringLiteral("k");
  return {
      entry(QStringLiteral("lab8_1"), paintReference, QString()),
      entry(QStringLiteral("lab8_2"), paintReference, wk),
      entry(QStringLiteral("lab8_3"), paintReference, k),
      entry(QStringLiteral("lab12_1"), paintDisturbance, QString()),
      entry(QStringLiteral("lab12_2"), paintDisturbance, k),
      entry(QStringLiteral("lab12_3"), paintDisturbance, wk),
  };
}

}  // namespace pictures::catalogue
