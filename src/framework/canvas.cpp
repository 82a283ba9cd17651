// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <cmath>
#include <limits>
#include <map>
#include <tuple>

namespace fonts {

int pointsToPixels(int points) { return (points * 96 + 36) / 72; }

namespace {
// The installed face that stands in for the faces the windows name, found once at start so
// that no font is looked up through the fallback chain again.
QString& installedFace() {
  static QString face;
  return face;
}
}  // namespace

QFont font(const QString& face, int pixels, bool bold, bool italic, bool underline) {
  QFont f(installedFace().isEmpty() ? (face == Symbol ? Arial : face) : installedFace());
  f.setPixelSize(std::max(1, pixels));
  f.setBold(bold);
  f.setItalic(italic);
  f.setUnderline(underline);
  return f;
}

void install() {
  const QStringList twins{QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("DejaVu Sans")};
  QFont::insertSubstitutions(Arial, twins);
  QFont::insertSubstitutions(SansSerif, twins);
  for (const QString& twin : twins)
    if (QFontDatabase::hasFamily(twin)) {
      installedFace() = twin;
      break;
    }
}

QString greek(const QString& s) {
  QString out;
  out.reserve(s.size());
  for (QChar c : s) {
    switch (c.unicode()) {
      case 'a':
        out += QChar(0x03B1);
        break;
      case 'b':
        out += QChar(0x03B2);
        break;
      case 'g':
        out += QChar(0x03B3);
        break;
      case 'd':
        out += QChar(0x03B4);
        break;
      case 'e':
        out += QChar(0x03B5);
        break;
      case 'j':
        out += QChar(0x03C6);
        break;
      case 'l':
        out += QChar(0x03BB);
        break;
      case 'm':
        out += QChar(0x03BC);
        break;
      case 'p':
        out += QChar(0x03C0);
        break;
      case 's':
        out += QChar(0x03C3);
        break;
      case 't':
        out += QChar(0x03C4);
        break;
      case 'w':
        out += QChar(0x03C9);
        break;
      case 'x':
        out += QChar(0x03BE);
        break;
      case 'D':
        out += QChar(0x0394);
        break;
      case 'F':
        out += QChar(0x03A6);
        break;
      case 'W':
        out += QChar(0x03A9);
        break;
      case 0xAE:
        out += QChar(0x2192);
        break;
      case 0xA5:
        out += QChar(0x221E);
        break;
      default:
        out += c;
    }
  }
  return out;
}

}  // namespace fonts

namespace {
QImage blank(QSize logical, qreal r) {
  QImage img(logical * r, QImage::Format_RGB32);
  img.setDevicePixelRatio(r);
  img.fill(colors::White);
  return img;
}
}  // namespace

namespace {
// The pixels Qt's rasteriser gives a short wide line, kept as offsets from its start in
// device pixels. A wide round-capped segment costs Qt a stroke of curves every time, and a
// trace draws thousands of the same few shapes; with whole pixels per logical one the shape
// does not depend on where the segment lies, so each is rasterised once, by Qt itself, and
// then stamped.
constexpr int kStampReach = 8;  // longer segments are drawn by Qt directly

// A wide segment as the plots are designed: a round dot when it has no length (a square one
// up to three pixels wide), a round-capped line otherwise.
void wideSegment(QPainter& p, QPoint from, QPoint to, int width, const QColor& color) {
  if (to == from) {
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    const int r = width / 2;
    const QRect box(from.x() - r, from.y() - r, width, width);
    if (width >= 4)
      p.drawEllipse(box);
    else
      p.drawRect(box);
    p.setBrush(Qt::NoBrush);
  } else {
    p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(from, to);
  }
}

const std::vector<QPoint>& stamp(int width, QPoint d, int ratio) {
  static std::map<std::tuple<int, int, int, int>, std::vector<QPoint>> made;
  const auto key = std::make_tuple(width, d.x(), d.y(), ratio);
  if (auto it = made.find(key); it != made.end()) return it->second;
  const int reach = kStampReach + width + 2;
  QImage scratch(QSize(2 * reach + 1, 2 * reach + 1) * ratio, QImage::Format_RGB32);
  scratch.setDevicePixelRatio(ratio);
  scratch.fill(Qt::white);
  {
    QPainter p(&scratch);
    p.setRenderHint(QPainter::Antialiasing, false);
    wideSegment(p, QPoint(reach, reach), QPoint(reach, reach) + d, width, Qt::black);
  }
  std::vector<QPoint> offsets;
  for (int y = 0; y < scratch.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(scratch.constScanLine(y));
    for (int x = 0; x < scratch.width(); ++x)
      if (line[x] != 0xFFFFFFFFu) offsets.emplace_back(x - reach * ratio, y - reach * ratio);
  }
  return made.emplace(key, std::move(offsets)).first->second;
}
}  // namespace

Canvas::Canvas(QSize size) : size_(size), made_(size), ratio_(display::ratio()) {
  font_ = fonts::fontPt(fonts::SansSerif, 8);
}

Canvas::~Canvas() { end(); }

void Canvas::end() const {
  if (painter_) {
    painter_->end();
    painter_.reset();
  }
}

void Canvas::ready() const {
  if (!image_.isNull()) return;
  image_ = blank(size_, ratio_);
  if (runs_.empty()) return;
  // Unpacked in place over the blank bitmap's own memory.
  auto* px = reinterpret_cast<QRgb*>(image_.bits());
  const auto* end = px + image_.width() * static_cast<qsizetype>(image_.height());
  for (std::size_t i = 0; i + 1 < runs_.size() && px < end; i += 2) {
    std::fill_n(px, std::min<qsizetype>(runs_[i], end - px), runs_[i + 1]);
    px += runs_[i];
  }
  runs_.clear();
  runs_.shrink_to_fit();
}

void Canvas::pack() {
  end();
  // Nothing to gain on a bitmap never drawn or shared with a cached picture.
  if (image_.isNull() || !image_.isDetached() || image_.format() != QImage::Format_RGB32) return;
  const auto* px = reinterpret_cast<const QRgb*>(image_.constBits());
  const qsizetype n = image_.width() * static_cast<qsizetype>(image_.height());
  if (image_.bytesPerLine() != image_.width() * 4) return;
  std::vector<std::uint32_t> runs;
  for (qsizetype i = 0; i < n;) {
    qsizetype j = i + 1;
    while (j < n && px[j] == px[i]) ++j;
    runs.push_back(static_cast<std::uint32_t>(j - i));
    runs.push_back(px[i]);
    // A busy picture packs badly: keep it as it is.
    if (runs.size() * 4 > static_cast<std::size_t>(n)) return;
    i = j;
  }
  runs.shrink_to_fit();
  runs_ = std::move(runs);
  image_ = QImage();
}

QPainter& Canvas::painter() {
  if (!painter_) {
    ready();
    painter_ = std::make_unique<QPainter>(&image_);
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->setRenderHint(QPainter::TextAntialiasing, true);
  }
  return *painter_;
}

void Canvas::changed() {
  if (onChange_) onChange_();
}

const QImage& Canvas::image() const {
  end();
  ready();
  return image_;
}

QColor Canvas::pixel(int x, int y) const {
  end();
  ready();
  if (!QRect(QPoint(0, 0), size_).contains(x, y)) return {};
  // The top-left device pixel of the logical one.
  return QColor(image_.pixel(qRound(x * ratio_), qRound(y * ratio_)));
}

void Canvas::load(const QImage& picture) {
  end();
  runs_.clear();
  if (picture.isNull()) {
    image_ = QImage();  // blank again, made when used
  } else {
    // A picture keeps its own logical size; one drawn at another ratio is resampled.
    const QSize logical = (QSizeF(picture.size()) / picture.devicePixelRatio()).toSize();
    QImage img = picture.devicePixelRatio() == ratio_ ? picture : picture.scaled(logical * ratio_);
    image_ = img.convertToFormat(QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio_);
    size_ = logical;
  }
  changed();
}

void Canvas::loadWall() {
  size_ = made_;
  load(QImage());
}

void Canvas::setPen(const QColor& color, int width) {
  penColor_ = color;
  penWidth_ = std::max(1, width);
}
void Canvas::setPenColor(const QColor& color) { penColor_ = color; }
void Canvas::setPenWidth(int width) { penWidth_ = std::max(1, width); }
void Canvas::setBrush(const QColor& color) { brush_ = color; }

void Canvas::setFont(const QString& face, int points, bool bold, bool italic) {
  font_ = fonts::fontPt(face, points, bold, italic);
}
void Canvas::setFontSize(int points) { font_.setPixelSize(fonts::pointsToPixels(points)); }
void Canvas::setFontColor(const QColor& color) { fontColor_ = color; }
void Canvas::setFontStyle(bool bold, bool italic) {
  font_.setBold(bold);
  font_.setItalic(italic);
}

QPen Canvas::pen() const {
  // Thin lines leave their last pixel out.
  QPen p(penColor_, 1);
  p.setCapStyle(Qt::FlatCap);
  return p;
}

void Canvas::moveTo(int x, int y) { pos_ = {x, y}; }

void Canvas::lineTo(int x, int y) {
  QPainter& p = painter();
  const QPoint to(x, y), d = to - pos_;
  if (penWidth_ <= 1) {
    if (to == pos_) {
    } else if (ratio_ == 1 && (d.x() == 0 || d.y() == 0)) {
      // Rows and columns (edges, grids, wipes) are written straight into the bitmap: the same
      // pixels as Qt's (the canvas test holds them to it), without the painter's set-up per line.
      thinAxisLine(to);
    } else {
      p.setPen(pen());
      p.drawLine(pos_, to);
    }
  } else if (ratio_ == std::floor(ratio_) && std::abs(d.x()) <= kStampReach && std::abs(d.y()) <= kStampReach) {
    const int r = static_cast<int>(ratio_);
    const QPoint from = pos_ * r;
    const QRgb color = penColor_.rgb();
    for (const QPoint& o : stamp(penWidth_, d, r)) {
      const QPoint at = from + o;
      if (at.x() >= 0 && at.y() >= 0 && at.x() < image_.width() && at.y() < image_.height())
        reinterpret_cast<QRgb*>(image_.scanLine(at.y()))[at.x()] = color;
    }
  } else {
    wideSegment(p, pos_, to, penWidth_, penColor_);
  }
  pos_ = to;
  changed();
}

void Canvas::thinAxisLine(QPoint to) {
  // Qt covers the half-open span from the smaller end, whichever way the line runs.
  const QRgb color = penColor_.rgb();
  const int w = image_.width(), h = image_.height();
  if (to.y() == pos_.y()) {
    const int y = to.y();
    if (y < 0 || y >= h) return;
    auto* row = reinterpret_cast<QRgb*>(image_.scanLine(y));
    for (int x = std::max(0, std::min(pos_.x(), to.x())), end = std::min(w, std::max(pos_.x(), to.x())); x < end; ++x)
      row[x] = color;
  } else {
    const int x = to.x();
    if (x < 0 || x >= w) return;
    uchar* bits = image_.bits();
    const qsizetype stride = image_.bytesPerLine();
    for (int y = std::max(0, std::min(pos_.y(), to.y())), end = std::min(h, std::max(pos_.y(), to.y())); y < end; ++y)
      reinterpret_cast<QRgb*>(bits + y * stride)[x] = color;
  }
}

void Canvas::rectangle(int x1, int y1, int x2, int y2) {
  QPainter& p = painter();
  p.setPen(Qt::NoPen);
  p.setBrush(brush_);
  p.drawRect(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)));
  p.setBrush(Qt::NoBrush);
  QPen pn(penColor_, 1);
  p.setPen(pn);
  p.drawRect(QRect(QPoint(x1, y1), QPoint(x2 - 2, y2 - 2)));
  changed();
}

void Canvas::ellipse(int x1, int y1, int x2, int y2) {
  QPainter& p = painter();
  p.setPen(QPen(penColor_, penWidth_));
  p.setBrush(brush_);
  p.drawEllipse(QRect(QPoint(x1, y1), QPoint(x2 - 2, y2 - 2)));
  p.setBrush(Qt::NoBrush);
  changed();
}

void Canvas::fillRect(int x1, int y1, int x2, int y2) {
  painter().fillRect(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)), brush_);
  changed();
}

void Canvas::textOut(int x, int y, const QString& text) {
  QPainter& p = painter();
  p.setFont(font_);
  const QFontMetrics fm(font_);
  const QRect cell(x, y, fm.horizontalAdvance(text), fm.height());
  p.fillRect(cell, brush_);
  p.setPen(fontColor_);
  p.drawText(QPoint(x, y + fm.ascent()), text);
  if (watchText) watchText(text, cell, *this);
  changed();
}

int Canvas::textWidth(const QString& text) const { return QFontMetrics(font_).horizontalAdvance(text); }

void Canvas::copyRect(const QRect& dest, const Canvas& source, const QRect& from) {
  const qreal r = source.ratio_;
  const QImage& pixels = source.image();  // ends the source's painter before this one begins
  const QImage own = &source == this ? pixels.copy() : QImage();
  painter().drawImage(QRectF(dest), &source == this ? own : pixels,
                      QRectF(QPointF(from.topLeft()) * r, QSizeF(from.size()) * r));
  changed();
}
