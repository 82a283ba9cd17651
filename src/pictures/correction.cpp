// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QPainter>

#include "pictures/catalogue.h"

// The loops of the correction works as their windows show them: two lags in a unity-feedback
// loop with the correcting gain k in series, in parallel with the first lag, or in a local
// feedback around it. What belongs to the corrector is purple.
namespace pictures::catalogue {

using namespace draw;

namespace {

const QColor kCorrector{0x80, 0x00, 0x80};
QString note() { return QCoreApplication::translate("pictures", "коррекция"); }

Block fr(const char* num, const char* den) { return frac(QString::fromUtf8(num), QString::fromUtf8(den)); }

constexpr QSize kSize{427, 115};
// The windows lay their input and output icons over the two bottom corners.
const QRectF kInputIcon(0, 74, 57, 41);
const QRectF kOutputIcon(378, 74, 49, 41);
constexpr qreal kLeft = 2;
constexpr qreal kRight = 425;
constexpr qreal kFeedbackY = 104;
constexpr qreal kUpperY = 14;

void keepIconsClear(Diagram& d) {
  d.keepOut(kInputIcon, QStringLiteral("the input icon"));
  d.keepOut(kOutputIcon, QStringLiteral("the output icon"));
}

// The corrector's own path is drawn in ink first, then tinted purple where it lies: lightening
// with purple turns black into purple and leaves white white.
void tint(Diagram& d, const QRectF& area) {
  QPainter& p = d.painter();
  p.save();
  p.setCompositionMode(QPainter::CompositionMode_Lighten);
  p.fillRect(area, kCorrector);
  p.restore();
}

// G → ⊗ → parts → • → R with the feedback under the row; the branch dot stays left of the
// output icon so that the feedback is seen leaving it.
struct Corrected {
  Row row;
  int input = -1, output = -1;
  std::vector<int> ids;

  Corrected(Diagram& d, qreal y, const QList<Part>& parts) : row(d, y) {
    row.input().sum(&input).label(QStringLiteral("E"), kCorrector);
    for (const Part& p : parts) {
      int id = -1;
      if (p.kind == Part::Kind::Box)
        row.block(p.block, &id);
      else if (p.kind == Part::Kind::Sum)
        row.sum(&id);
      else
        row.branch(&id);
      ids.push_back(id);
    }
    row.branch(&output).stretch(1.7).output();
    row.setStretch(0, 1.3);
    row.setStretch(row.count() - 3, 0.3);
  }
  void draw() {
    row.fit(kLeft, kRight);
    row.draw();
    row.feedback(output, input, kFeedbackY);
  }
};

// Series: k in the row ahead of the lags, its note under it.
void paintSeries(Diagram& d) {
  keepIconsClear(d);
  Corrected m(d, 50, {expr(QStringLiteral("k")), fr("1", "T_1p+1"), fr("1", "T_2p+1")});
  m.draw();
  const QRectF k = m.row.rect(m.ids[0]);
  d.words(note(), QPointF(k.center().x(), k.bottom() + 4), Qt::AlignHCenter | Qt::AlignTop, kCorrector);
}

// Parallel: from E through k, over the first lag, into the junction between the lags.
void paintParallel(Diagram& d) {
  keepIconsClear(d);
  Corrected m(d, 60, {Part::branch(), fr("1", "T_1p+1"), Part::sum(), fr("1", "T_2p+1")});
  m.draw();
  const Row& r = m.row;
  const qreal top = Diagram::snap(kUpperY);
  const QRectF k = d.boxAt(QPointF(r.centre(m.ids[1]).x(), top), expr(QStringLiteral("k")));
  const QPointF from = r.centre(m.ids[0]);
  const QPointF into = r.top(m.ids[2]);
  d.arrow({from, QPointF(from.x(), top), QPointF(k.left(), top)});
  d.arrow({QPointF(k.right(), top), QPointF(into.x(), top), into});
  d.words(note(), QPointF(into.x() + 8, top), Qt::AlignLeft | Qt::AlignVCenter, kCorrector);
  tint(d, QRectF(from.x() - 4, 0, into.x() - from.x() + 8, into.y() - 1));
  tint(d, QRectF(from.x() - 4, 0, 8, from.y() - d.style().dotRadius - 1));
}

// Local feedback: from the node between the lags back through k into the input junction.
void paintLocalFeedback(Diagram& d) {
  keepIconsClear(d);
  Corrected m(d, 60, {fr("1", "T_1p+1"), Part::branch(), fr("1", "T_2p+1")});
  m.draw();
  const Row& r = m.row;
  const qreal top = Diagram::snap(kUpperY);
  const QRectF k = d.boxAt(QPointF(r.centre(m.ids[0]).x(), top), expr(QStringLiteral("k")));
  const QPointF from = r.centre(m.ids[1]);
  const QPointF into = r.top(m.input);
  d.arrow({from, QPointF(from.x(), top), QPointF(k.right(), top)});
  d.arrow({QPointF(k.left(), top), QPointF(into.x(), top), into});
  d.words(note(), QPointF(from.x() + 8, top), Qt::AlignLeft | Qt::AlignVCenter, kCorrector);
  tint(d, QRectF(into.x() - 4, 0, from.x() - into.x() + 8, into.y() - 1));
  tint(d, QRectF(from.x() - 4, into.y() - 1, 8, from.y() - into.y() - d.style().dotRadius));
}

Entry entry(const QString& name, std::function<void(Diagram&)> paint) {
  return {name, kSize, Qt::white, Style::window(), std::move(paint)};
}

}  // namespace

std::vector<Entry> correction() {
  return {
      entry(QStringLiteral("lab13_1"), paintSeries),
      entry(QStringLiteral("lab14"), paintParallel),
      entry(QStringLiteral("lab15"), paintLocalFeedback),
  };
}

}  // namespace pictures::catalogue
