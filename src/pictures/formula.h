// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <vector>

class QPainter;

namespace pictures::draw {

// Every picture uses one typeface so the windows look the same on every machine
// that has the metric-compatible Arial substitute installed.
inline constexpr const char* kFontFamily = "Liberation Sans";

QFont font(int pixelSize, bool italic = false);

// A one-line formula written in a tiny markup:
//   "T_1p+1"           subscript: '_' takes the next character ...
//   "T^2p^2+2ξTp+1"    superscript: '^' likewise
//   "e^{-τp}"          ... or a braced group, which may nest further scripts.
// '-' is set as a typographic minus. Malformed markup never fails: a dangling '_' or
// '^' or a stray '}' is drawn as written and an unclosed group runs to the end, since
// a picture with a stray brace beats a missing picture.
class Formula {
 public:
  Formula() = default;
  Formula(const QString& markup, int pixelSize);

  // Ink metrics relative to the baseline at x = 0; ascent and descent are
  // distances (positive up and positive down respectively).
  qreal width() const { return width_; }
  qreal ascent() const { return ascent_; }
  qreal descent() const { return descent_; }
  qreal height() const { return ascent_ + descent_; }
  bool isEmpty() const { return runs_.empty(); }

  // The characters as drawn, without the markup (minus signs already substituted).
  QString plainText() const;
  // Pixel sizes used, in drawing order; lets callers check that scripts came out smaller.
  std::vector<int> runSizes() const;

  // Returns the ink rectangle actually covered.
  QRectF drawAtBaseline(QPainter& p, QPointF baselineLeft, const QColor& colour) const;
  // Places the ink box's centre at `centre`.
  QRectF drawCentred(QPainter& p, QPointF centre, const QColor& colour) const;
  QRectF inkRect(QPointF baselineLeft) const;

 private:
  struct Run {
    QString text;
    int size;
    qreal x;     // advance from the start of the formula
    qreal rise;  // baseline shift, positive up
  };
  void layOut(const QString& markup, int& pos, int size, qreal rise, qreal& x, bool group);

  std::vector<Run> runs_;
  qreal width_ = 0;
  qreal ascent_ = 0;
  qreal descent_ = 0;
};

}  // namespace pictures::draw
