// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/formula.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace pictures::draw {

namespace {

constexpr QChar kMinus(0x2212);

// Scripts at 70 % stay legible down to the 10 px formulas of the work buttons
// (7 px digits); below 6 px Liberation Sans turns into smudges.
int scriptSize(int size) { return std::max(6, int(std::lround(size * 0.7))); }

qreal superRise(int parentSize) { return parentSize * 0.42; }
qreal subDrop(int parentSize) { return parentSize * 0.22; }

}  // namespace

QFont font(int pixelSize, bool italic) {
  QFont f(QString::fromLatin1(kFontFamily));
  f.setPixelSize(std::max(1, pixelSize));
  f.setItalic(italic);
  f.setStyleStrategy(QFont::PreferAntialias);
  return f;
}

Formula::Formula(const QString& markup, int pixelSize) {
  int pos = 0;
  qreal x = 0;
  while (pos < markup.size()) layOut(markup, pos, pixelSize, 0, x, false);
  width_ = x;

  for (const Run& r : runs_) {
    QFontMetricsF fm(font(r.size));
    const QRectF ink = fm.tightBoundingRect(r.text);
    // Main-size runs never count as shorter than a capital, so "1" and "k"
    // numerators sit at the same height as "T" ones.
    qreal top = -ink.top();
    if (r.rise == 0) top = std::max(top, fm.capHeight());
    ascent_ = std::max(ascent_, top + r.rise);
    descent_ = std::max(descent_, ink.bottom() - r.rise);
  }
}

void Formula::layOut(const QString& markup, int& pos, int size, qreal rise, qreal& x, bool group) {
  auto put = [&](const QString& text, int runSize, qreal runRise) {
    const QString shown = text == QStringLiteral("-") ? QString(kMinus) : text;
    if (!runs_.empty() && runs_.back().size == runSize && runs_.back().rise == runRise)
      runs_.back().text += shown;
    else
      runs_.push_back({shown, runSize, x, runRise});
    // Advance by the whole merged run so kerning inside it is honoured.
    const Run& last = runs_.back();
    x = last.x + QFontMetricsF(font(runSize)).horizontalAdvance(last.text);
  };

  while (pos < markup.size()) {
    const QChar c = markup.at(pos);
    if (group && c == u'}') {
      ++pos;
      return;
    }
    if ((c == u'_' || c == u'^') && pos + 1 < markup.size()) {
      const int small = scriptSize(size);
      const qreal r = rise + (c == u'^' ? superRise(size) : -subDrop(size));
      ++pos;
      if (markup.at(pos) == u'{') {
        ++pos;
        layOut(markup, pos, small, r, x, true);
      } else {
        const int len = markup.at(pos).isHighSurrogate() && pos + 1 < markup.size() ? 2 : 1;
        put(markup.mid(pos, len), small, r);
        pos += len;
      }
    } else {
      ++pos;
      put(QString(c), size, rise);
    }
    if (!group) return;
  }
}

QString Formula::plainText() const {
  QString s;
  for (const Run& r : runs_) s += r.text;
  return s;
}

std::vector<int> Formula::runSizes() const {
  std::vector<int> sizes;
  for (const Run& r : runs_) sizes.push_back(r.size);
  return sizes;
}

QRectF Formula::inkRect(QPointF baselineLeft) const {
  return QRectF(baselineLeft.x(), baselineLeft.y() - ascent_, width_, ascent_ + descent_);
}

QRectF Formula::drawAtBaseline(QPainter& p, QPointF baselineLeft, const QColor& colour) const {
  p.save();
  p.setPen(colour);
  for (const Run& r : runs_) {
    p.setFont(font(r.size));
    p.drawText(QPointF(baselineLeft.x() + r.x, baselineLeft.y() - r.rise), r.text);
  }
  p.restore();
  return inkRect(baselineLeft);
}

QRectF Formula::drawCentred(QPainter& p, QPointF centre, const QColor& colour) const {
  // Whole-pixel baselines keep the glyphs as crisp as the hinting made them.
  const QPointF base(std::round(centre.x() - width_ / 2), std::round(centre.y() + (ascent_ - descent_) / 2));
  return drawAtBaseline(p, base, colour);
}

}  // namespace pictures::draw
