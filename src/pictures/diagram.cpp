// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/diagram.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace pictures::draw {

Style Style::button() {
  Style s;
  s.formulaSize = 10;
  s.letterSize = 11;
  s.captionSize = 11;
  s.noteSize = 9;
  s.lineWidth = 1;
  s.sumRadius = 6;
  s.dotRadius = 2;
  s.headLength = 6;
  s.headHalfWidth = 2.5;
  s.padX = 3;
  s.padY = 3;
  s.barGap = 2;
  s.barOverhang = 1;
  s.minBoxWidth = 16;
  s.minBoxHeight = 0;
  s.minArrow = 10;
  s.labelGap = 2;
  return s;
}

Style Style::window() {
  Style s;
  s.formulaSize = 15;
  s.letterSize = 17;
  s.captionSize = 14;
  s.noteSize = 12;
  s.lineWidth = 1;
  s.sumRadius = 9;
  s.dotRadius = 3;
  s.headLength = 9;
  s.headHalfWidth = 3.5;
  s.padX = 6;
  s.padY = 3;
  s.barGap = 3;
  s.barOverhang = 2;
  s.minBoxWidth = 30;
  s.minBoxHeight = 0;
  s.minArrow = 16;
  s.labelGap = 3;
  return s;
}

// ---------------------------------------------------------------- Diagram

Diagram::Diagram(QSize size, const QColor& background, const Style& style)
    : image_(size * display::ratio(), QImage::Format_ARGB32_Premultiplied), style_(style) {
  image_.setDevicePixelRatio(display::ratio());
  image_.fill(background);
  painter_ = std::make_unique<QPainter>(&image_);
  painter_->setRenderHint(QPainter::Antialiasing, true);
  painter_->setRenderHint(QPainter::TextAntialiasing, true);
}

Diagram::~Diagram() = default;

QImage Diagram::finish() {
  if (painter_) {
    painter_->end();
    painter_.reset();
  }
  return image_;
}

qreal Diagram::snap(qreal v) { return std::floor(v) + 0.5; }

void Diagram::mark(const QRectF& r, Kind k, const QString& what) { marks_.push_back({r, k, what}); }

void Diagram::markSegment(QPointF a, QPointF b) {
  const qreal h = style_.lineWidth / 2;
  mark(QRectF(a, b).normalized().adjusted(-h, -h, h, h), Kind::Line, QStringLiteral("line"));
}

void Diagram::line(QPointF a, QPointF b) { polyline({a, b}); }

void Diagram::polyline(const QList<QPointF>& points) {
  if (points.size() < 2) return;
  QPainterPath path(points.first());
  for (qsizetype i = 1; i < points.size(); ++i) {
    path.lineTo(points[i]);
    markSegment(points[i - 1], points[i]);
  }
  painter_->save();
  painter_->setPen(QPen(kInkColour, style_.lineWidth, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  painter_->setBrush(Qt::NoBrush);
  painter_->drawPath(path);
  painter_->restore();
}

void Diagram::arrow(QPointF from, QPointF to) { arrow(QList<QPointF>{from, to}); }

void Diagram::arrow(const QList<QPointF>& path) {
  if (path.size() < 2) return;
  const QPointF tip = path.last();
  const QPointF prev = path[path.size() - 2];
  const QPointF delta = tip - prev;
  const qreal length = std::hypot(delta.x(), delta.y());
  if (length <= 0) return;
  const QPointF dir = delta / length;
  const QPointF normal(-dir.y(), dir.x());
  const QPointF base = tip - dir * style_.headLength;

  // The shaft stops inside the head so its flat end cannot poke through the point.
  QList<QPointF> shaft = path;
  shaft.last() = tip - dir * (style_.headLength * 0.5);
  polyline(shaft);

  const QPolygonF head({tip, base + normal * style_.headHalfWidth, base - normal * style_.headHalfWidth});
  painter_->save();
  painter_->setPen(Qt::NoPen);
  painter_->setBrush(kInkColour);
  painter_->drawPolygon(head);
  painter_->restore();
  mark(head.boundingRect(), Kind::Line, QStringLiteral("arrow head"));
}

void Diagram::sum(QPointF c) {
  const qreal r = style_.sumRadius;
  const qreal d = r * M_SQRT1_2;
  painter_->save();
  // Flat caps: with square caps the raster engine smears 45-degree strokes over two pixels.
  painter_->setPen(QPen(kInkColour, style_.lineWidth, Qt::SolidLine, Qt::FlatCap));
  painter_->setBrush(Qt::white);
  painter_->drawEllipse(c, r, r);
  painter_->drawLine(c + QPointF(-d, -d), c + QPointF(d, d));
  painter_->drawLine(c + QPointF(-d, d), c + QPointF(d, -d));
  painter_->restore();
  mark(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), Kind::Sum, QStringLiteral("summing point"));
}

void Diagram::dot(QPointF c) {
  const qreal r = style_.dotRadius;
  painter_->save();
  painter_->setPen(Qt::NoPen);
  painter_->setBrush(kInkColour);
  painter_->drawEllipse(c, r, r);
  painter_->restore();
  mark(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), Kind::Dot, QStringLiteral("branch point"));
}

namespace {

struct BlockLayout {
  Formula num, den;
  qreal contentWidth = 0;
  qreal halfHeight = 0;  // bar (or expression centre) to the box border
};

BlockLayout layOutBlock(const Block& b, const Style& s) {
  BlockLayout l;
  l.num = Formula(b.numerator, s.formulaSize);
  if (b.isFraction()) {
    l.den = Formula(b.denominator, s.formulaSize);
    l.contentWidth = std::max(l.num.width(), l.den.width()) + 2 * s.barOverhang;
    // The bar sits on the box's centre line so that, with equal box heights along a
    // row, every bar lines up with the signal line.
    l.halfHeight = std::max(l.num.height(), l.den.height()) + s.barGap + s.padY + 0.5;
  } else {
    l.contentWidth = l.num.width();
    l.halfHeight = l.num.height() / 2 + s.padY + 1;
  }
  return l;
}

}  // namespace

QSizeF Diagram::blockSize(const Block& b) const {
  const BlockLayout l = layOutBlock(b, style_);
  // Whole, even sizes keep a 0.5-snapped box symmetric about a 0.5-snapped centre line.
  const qreal w = std::max(std::ceil(l.contentWidth + 2 * style_.padX), style_.minBoxWidth);
  const qreal h = 2 * std::ceil(l.halfHeight);
  return {w, h};
}

void Diagram::box(const QRectF& r, const Block& b) {
  const BlockLayout l = layOutBlock(b, style_);
  painter_->save();
  painter_->setPen(QPen(kInkColour, style_.lineWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter_->setBrush(Qt::white);
  painter_->drawRect(r);
  const QPointF c = r.center();
  if (b.isFraction()) {
    const qreal barHalf = std::max(l.num.width(), l.den.width()) / 2 + style_.barOverhang;
    const qreal barY = snap(c.y());
    painter_->drawLine(QPointF(c.x() - barHalf, barY), QPointF(c.x() + barHalf, barY));
    const qreal barTop = barY - style_.lineWidth / 2;
    const qreal barBottom = barY + style_.lineWidth / 2;
    l.num.drawAtBaseline(
        *painter_, QPointF(std::round(c.x() - l.num.width() / 2), std::floor(barTop - style_.barGap - l.num.descent())),
        kInkColour);
    l.den.drawAtBaseline(
        *painter_,
        QPointF(std::round(c.x() - l.den.width() / 2), std::ceil(barBottom + style_.barGap + l.den.ascent())),
        kInkColour);
  } else {
    l.num.drawCentred(*painter_, c, kInkColour);
  }
  painter_->restore();
  mark(r, Kind::Box,
       QStringLiteral("box ") + b.numerator + (b.isFraction() ? QStringLiteral("/") + b.denominator : QString()));
}

QRectF Diagram::boxAt(QPointF centre, const Block& b) {
  const QSizeF s = blockSize(b);
  const QRectF r(snap(centre.x() - s.width() / 2), snap(centre.y() - s.height() / 2), s.width(), s.height());
  box(r, b);
  return r;
}

QRectF Diagram::placeText(QSizeF ink, qreal ascent, QPointF anchor, Qt::Alignment align, QPointF* baseline) const {
  qreal left = anchor.x() - ink.width() / 2;
  if (align & Qt::AlignLeft)
    left = anchor.x();
  else if (align & Qt::AlignRight)
    left = anchor.x() - ink.width();
  qreal top = anchor.y() - ink.height() / 2;
  if (align & Qt::AlignTop)
    top = anchor.y();
  else if (align & Qt::AlignBottom)
    top = anchor.y() - ink.height();
  // Whole-pixel baselines: the hinted glyphs stay sharp.
  const QPointF base(std::round(left), std::round(top + ascent));
  if (baseline) *baseline = base;
  return QRectF(base.x(), base.y() - ascent, ink.width(), ink.height());
}

QRectF Diagram::label(const QString& markup, QPointF anchor, Qt::Alignment align, const QColor& colour, int pixelSize) {
  const Formula f(markup, pixelSize > 0 ? pixelSize : style_.letterSize);
  QPointF base;
  const QRectF r = placeText(QSizeF(f.width(), f.height()), f.ascent(), anchor, align, &base);
  f.drawAtBaseline(*painter_, base, colour);
  mark(r, Kind::Text, QStringLiteral("text ") + markup);
  return r;
}

QRectF Diagram::words(const QString& text, QPointF anchor, Qt::Alignment align, const QColor& colour, int pixelSize) {
  const QFont f = font(pixelSize > 0 ? pixelSize : style_.noteSize);
  const QFontMetricsF fm(f);
  const QRectF ink = fm.tightBoundingRect(text);
  // Align on the advance box horizontally and the ink vertically: centring then
  // matches what the eye sees, and nothing hangs over a neighbour.
  const qreal width = std::max(fm.horizontalAdvance(text), ink.right());
  QPointF base;
  const QRectF r = placeText(QSizeF(width, ink.height()), -ink.top(), anchor, align, &base);
  painter_->save();
  painter_->setFont(f);
  painter_->setPen(colour);
  painter_->drawText(base, text);
  painter_->restore();
  mark(r, Kind::Text, QStringLiteral("text ") + text);
  return r;
}

QRectF Diagram::caption(const QString& text) {
  const qreal room = logicalWidth() - 4;
  int size = style_.captionSize;
  while (size > 7 && QFontMetricsF(font(size)).horizontalAdvance(text) > room) --size;
  const QFontMetricsF fm(font(size));
  // Baseline far enough up for descenders (у, р, д) to stay inside the picture.
  const qreal baseline = logicalHeight() - std::ceil(fm.descent()) - 1;
  const QRectF ink = fm.tightBoundingRect(text);
  return words(text, QPointF(logicalWidth() / 2.0, baseline + ink.bottom()), Qt::AlignHCenter | Qt::AlignBottom,
               kInkColour, size);
}

qreal Diagram::captionTop() const {
  const QFontMetricsF fm(font(style_.captionSize));
  return logicalHeight() - std::ceil(fm.descent()) - 1 - fm.capHeight();
}

void Diagram::reportProblem(const QString& what) { reported_ << what; }

void Diagram::keepOut(const QRectF& area, const QString& why) { keepOut_.push_back({area, why}); }

QStringList Diagram::texts() const {
  QStringList out;
  for (const Mark& m : marks_)
    if (m.kind == Kind::Text || m.kind == Kind::Box) out << m.what;
  return out;
}

QStringList Diagram::problems() const {
  QStringList out = reported_;
  const QRectF all = bounds();
  auto solid = [](Kind k) { return k == Kind::Box || k == Kind::Sum || k == Kind::Dot; };
  for (const Mark& m : marks_) {
    // Lines may run right up to the edge (arrow tails under the window's icons);
    // anything carrying meaning has to be whole.
    if (m.kind != Kind::Line && !all.contains(m.rect))
      out << m.what + QStringLiteral(" is clipped by the picture edge");
    if (m.kind == Kind::Line && !all.adjusted(-0.5, -0.5, 0.5, 0.5).contains(m.rect))
      out << m.what + QStringLiteral(" runs off the picture");
    if (m.kind == Kind::Text || m.kind == Kind::Box || m.kind == Kind::Sum) {
      for (const auto& [area, why] : keepOut_)
        if (m.rect.intersects(area)) out << m.what + QStringLiteral(" lies under ") + why;
    }
  }
  for (size_t i = 0; i < marks_.size(); ++i) {
    for (size_t j = i + 1; j < marks_.size(); ++j) {
      const Mark& a = marks_[i];
      const Mark& b = marks_[j];
      bool clash = false;
      if (a.kind == Kind::Text || b.kind == Kind::Text) {
        // Half a pixel of air at least between text and anything else.
        clash = a.rect.adjusted(-0.5, -0.5, 0.5, 0.5).intersects(b.rect);
      } else if (solid(a.kind) && solid(b.kind)) {
        // Boxes and circles need at least a pixel of white between them.
        clash = a.rect.adjusted(-1.5, -1.5, 1.5, 1.5).intersects(b.rect);
      } else if (a.kind == Kind::Line || b.kind == Kind::Line) {
        // Lines end on the borders of boxes and circles, so only a line that gets
        // well inside one is wrong.
        const Mark& line = a.kind == Kind::Line ? a : b;
        const Mark& other = a.kind == Kind::Line ? b : a;
        if (other.kind == Kind::Box || other.kind == Kind::Sum)
          clash = line.rect.intersects(other.rect.adjusted(1.5, 1.5, -1.5, -1.5));
      }
      if (clash) out << a.what + QStringLiteral(" overlaps ") + b.what;
    }
  }
  return out;
}

}  // namespace pictures::draw
