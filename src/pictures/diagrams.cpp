// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the two diagram works: the steps from an integrator to the state-variable
// diagram of an oscillating link, and the three-link diagram to be transformed.
#include "pictures/catalogue.h"

#include <QPainterPath>
#include <QPolygonF>

namespace pictures::catalogue {

using namespace draw;

namespace {

const QSize kStep(611, 178);
const QSize kScheme(611, 99);
const QString kG = QStringLiteral("G(p)");
const QString kR = QStringLiteral("R(p)");

Block fr(const char* num, const char* den) { return frac(QString::fromUtf8(num), QString::fromUtf8(den)); }

// The step pictures fill a wide window panel: larger type than the loop pictures.
Style stepStyle() {
  Style s = Style::window();
  s.formulaSize = 20;
  s.letterSize = 20;
  s.sumRadius = 11;
  s.headLength = 11;
  s.headHalfWidth = 4;
  s.padX = 9;
  s.padY = 4;
  s.minArrow = 24;
  s.minBoxWidth = 40;
  return s;
}

// The minus sign of a negative feedback, left of where it enters the summing point.
void minus(Diagram& d, const Row& r, int sumId, bool fromBelow) {
  const QPointF c = r.centre(sumId);
  const qreal rad = d.style().sumRadius;
  d.label(QStringLiteral("-"),
          QPointF(c.x() - d.style().headHalfWidth - 3, fromBelow ? c.y() + rad + 1 : c.y() - rad - 1),
          Qt::AlignRight | (fromBelow ? Qt::AlignTop : Qt::AlignBottom));
}

// Negative feedback from node `from` through the box `b` at level `y` into the summing point.
void feedbackThrough(Diagram& d, const Row& r, int from, int sumId, qreal y, const Block& b) {
  const bool below = y > r.y();
  const QPointF start = r.centre(from);
  const QPointF end = below ? r.bottom(sumId) : r.top(sumId);
  const qreal level = Diagram::snap(y);
  const QRectF box = d.boxAt(QPointF((start.x() + end.x()) / 2, level), b);
  d.arrow({start, QPointF(start.x(), level), QPointF(box.right(), level)});
  d.arrow({QPointF(box.left(), level), QPointF(end.x(), level), end});
  minus(d, r, sumId, below);
}

// A row with its natural widths spread evenly, centred between left and right.
void fitCentred(Row& r, qreal left, qreal right, qreal width) {
  const qreal w = std::min(width, right - left);
  const qreal mid = (left + right) / 2;
  r.fit(mid - w / 2, mid + w / 2);
  r.draw();
}

// The steps share the height of their signal line, so that a wipe changes only what changed.
constexpr qreal kLineY = 70;

void paintLab91(Diagram& d) {
  Row r(d, kLineY);
  r.input(kG, kInputColour).minLength(110).block(fr("1", "T_1p")).minLength(110).output(kR, kOutputColour);
  fitCentred(r, 0, d.size().width(), 420);
}

// The integrator closed by k1; `left`, `right` and `y` place it (the card of lab9_3 reuses it).
void integratorLoop(Diagram& d, qreal left, qreal right, qreal y, qreal feedbackY) {
  Row r(d, y);
  int s = -1, b = -1;
  r.input(kG, kInputColour)
      .minLength(60)
      .sum(&s)
      .block(fr("1", "T_1p"))
      .stretch(0.6)
      .branch(&b)
      .minLength(60)
      .output(kR, kOutputColour);
  r.fit(left, right);
  r.draw();
  feedbackThrough(d, r, b, s, feedbackY, expr(QStringLiteral("k_1")));
}

void paintLab92(Diagram& d) { integratorLoop(d, 60, 551, kLineY, 140); }

// The aperiodic link that the loop of lab9_2 turned into, with that loop on a card beside it.
void paintLab93(Diagram& d) {
  Row r(d, kLineY);
  r.input(kG, kInputColour).minLength(70).block(fr("k_2", "T_2p+1")).minLength(70).output(kR, kOutputColour);
  r.fit(16, 300);
  r.draw();

  const QRectF card(330, 16, 266, 110);
  Diagram small(card.size().toSize(), Qt::white, Style::button());
  integratorLoop(small, 4, card.width() - 4, 40, 84);
  const QImage picture = small.finish();
  QPainter& p = d.painter();
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xC0, 0xC0, 0xC0));
  p.drawRect(card.translated(3, 3));
  p.drawImage(card.topLeft(), picture);
  p.setPen(QPen(kInkColour, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(card.adjusted(0.5, 0.5, -0.5, -0.5));
  p.restore();
}

void paintLab94(Diagram& d) {
  Row r(d, kLineY);
  r.input(kG, kInputColour)
      .minLength(80)
      .block(fr("k_2", "T_2p+1"))
      .minLength(60)
      .block(fr("1", "T_3p"))
      .minLength(80)
      .output(kR, kOutputColour);
  fitCentred(r, 0, d.size().width(), 520);
}

void paintLab95(Diagram& d) {
  Row r(d, kLineY);
  int s = -1, b = -1;
  r.input(kG, kInputColour)
      .minLength(60)
      .sum(&s)
      .block(fr("k_2", "T_2p+1"))
      .block(fr("1", "T_3p"))
      .stretch(0.6)
      .branch(&b)
      .minLength(60)
      .output(kR, kOutputColour);
  r.fit(30, 581);
  r.draw();
  feedbackThrough(d, r, b, s, 145, expr(QStringLiteral("k_3")));
}

// The oscillating link, a broad arrow, and its state-variable diagram: the aperiodic link of
// lab9_3 as 1/T1 · 1/p closed by k1, then the integrator of lab9_4 as 1/T3 · 1/p, all closed by
// k3, which is 1/(T1T3p² + k1T3p + k3).
void paintLab96(Diagram& d) {
  Row link(d, 89);
  link.input(kG, kInputColour).minLength(30).block(fr("k", "T^2p^2+2γTp+1")).minLength(30).output(kR, kOutputColour);
  link.fit(2, 201);
  link.draw();

  QPainter& p = d.painter();
  p.save();
  p.setPen(QPen(kInkColour, 1));
  p.setBrush(QColor(0xA0, 0xA0, 0xA0));
  const qreal x0 = 205, x1 = 229, cy = 89;
  p.drawPolygon(QPolygonF({QPointF(x0, cy - 6), QPointF(x1 - 10, cy - 6), QPointF(x1 - 10, cy - 13), QPointF(x1, cy),
                           QPointF(x1 - 10, cy + 13), QPointF(x1 - 10, cy + 6), QPointF(x0, cy + 6)}));
  p.restore();

  Row r(d, 84);
  int s1 = -1, s2 = -1, b1 = -1, b2 = -1;
  r.input(kG, kInputColour)
      .sum(&s1)
      .sum(&s2)
      .block(fr("1", "T_1"))
      .block(fr("1", "p"))
      .branch(&b1)
      .block(fr("1", "T_3"))
      .block(fr("1", "p"))
      .branch(&b2)
      .output(kR, kOutputColour);
  r.fit(235, 608);
  r.draw();
  feedbackThrough(d, r, b1, s2, 30, expr(QStringLiteral("k_1")));
  feedbackThrough(d, r, b2, s1, 142, expr(QStringLiteral("k_3")));
}

// Three links with three negative feedbacks: the outer two below the row, the middle one above.
void paintPreobraz(Diagram& d) {
  Row r(d, 50);
  int s1 = -1, s2 = -1, s3 = -1, a = -1, b = -1, c = -1;
  r.input(kG, kInputColour)
      .sum(&s1)
      .block(expr(QStringLiteral("W_1(p)")))
      .sum(&s2)
      .block(expr(QStringLiteral("W_2(p)")))
      .branch(&a)
      .sum(&s3)
      .branch(&b)
      .block(expr(QStringLiteral("W_3(p)")))
      .branch(&c)
      .output(kR, kOutputColour);
  r.fit(4, 607);
  r.draw();
  r.feedback(a, s1, 88);
  minus(d, r, s1, true);
  r.feedback(b, s2, 12);
  minus(d, r, s2, false);
  r.feedback(c, s3, 88);
  minus(d, r, s3, true);
}

}  // namespace

std::vector<Entry> diagrams() {
  const Style step = stepStyle();
  return {
      {QStringLiteral("lab9_1"), kStep, Qt::white, step, paintLab91},
      {QStringLiteral("lab9_2"), kStep, Qt::white, step, paintLab92},
      {QStringLiteral("lab9_3"), kStep, Qt::white, step, paintLab93},
      {QStringLiteral("lab9_4"), kStep, Qt::white, step, paintLab94},
      {QStringLiteral("lab9_5"), kStep, Qt::white, step, paintLab95},
      {QStringLiteral("lab9_6"), kStep, Qt::white, Style::window(), paintLab96},
      {QStringLiteral("preobraz"), kScheme, Qt::white, Style::window(), paintPreobraz},
  };
}

}  // namespace pictures::catalogue
