// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drawing surface of every plot and icon: a bitmap drawn in integer pixel coordinates,
// (0,0) top left, y down, no antialiasing, with the small set of operations the plots are
// designed in. Pen, brush and font are states of the canvas, as the plot recipes assume.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>
#include <functional>
#include <cstdint>
#include <memory>
#include <vector>

#include "pictures/pixel_ratio.h"
#include "pixels.h"

namespace colors {
inline const QColor Black{0x00, 0x00, 0x00};
inline const QColor White{0xFF, 0xFF, 0xFF};
inline const QColor Red{0xFF, 0x00, 0x00};
inline const QColor Blue{0x00, 0x00, 0xFF};
inline const QColor Green{0x00, 0x80, 0x00};
inline const QColor MoneyGreen{0xC0, 0xDC, 0xC0};
inline const QColor Fuchsia{0xFF, 0x00, 0xFF};
inline const QColor Teal{0x00, 0x80, 0x80};
inline const QColor Purple{0x80, 0x00, 0x80};
inline const QColor Yellow{0xFF, 0xFF, 0x00};
inline const QColor Navy{0x00, 0x00, 0x80};
inline const QColor Maroon{0x80, 0x00, 0x00};
inline const QColor SkyBlue{0xA6, 0xCA, 0xF0};
}  // namespace colors

namespace fonts {
// Faces as the windows name them. "Arial" and "MS Sans Serif" resolve to installed metric
// twins; "Symbol" is not assumed to exist, its text goes through greek() instead.
inline const QString Arial = QStringLiteral("Arial");
inline const QString SansSerif = QStringLiteral("MS Sans Serif");
inline const QString Symbol = QStringLiteral("Symbol");

// Point sizes are at 96 dpi, rounded as the plots were measured (10 pt -> 13 px).
int pointsToPixels(int points);
QFont font(const QString& face, int pixels, bool bold = false, bool italic = false, bool underline = false);
inline QFont fontPt(const QString& face, int points, bool bold = false, bool italic = false) {
  return font(face, pointsToPixels(points), bold, italic);
}
// Installs the substitutions for the faces above; called once at start.
void install();

// Symbol-font letters mapped to Unicode Greek: "Dj" -> "Δφ", "w" -> "ω" and so on.
QString greek(const QString& symbolText);
}  // namespace fonts

class Canvas {
 public:
  explicit Canvas(QSize size = {455, 283});
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  // Replaces the bitmap with a picture (the blank "wall" by default); states are kept.
  void load(const QImage& picture);
  // A blank white bitmap of the size the canvas was made with, made when first used.
  void loadWall();

  void setPen(const QColor& color, int width = 1);
  void setPenColor(const QColor& color);
  void setPenWidth(int width);
  void setBrush(const QColor& color);
  void setFont(const QString& face, int points, bool bold = false, bool italic = false);
  void setFontSize(int points);
  void setFontColor(const QColor& color);
  void setFontStyle(bool bold, bool italic = false);

  void moveTo(int x, int y);
  // As on the classic canvas, the end point itself is left to the next segment.
  void lineTo(int x, int y);
  void line(int x1, int y1, int x2, int y2) {
    moveTo(x1, y1);
    lineTo(x2, y2);
  }
  // A zero-length line with the current pen: a dot of the pen's width.
  void dot(int x, int y) { line(x, y, x, y); }
  // Rectangles and ellipses by their bounding box, right and bottom edges excluded.
  void rectangle(int x1, int y1, int x2, int y2);
  void ellipse(int x1, int y1, int x2, int y2);
  void fillRect(int x1, int y1, int x2, int y2);
  // Top-left of the text cell at (x, y), on the brush colour like the classic TextOut.
  void textOut(int x, int y, const QString& text);
  // The width of the text cell textOut would fill, in the current font (the classic TextWidth).
  int textWidth(const QString& text) const;
  void copyRect(const QRect& dest, const Canvas& source, const QRect& from);

  // Logical size: the coordinates every drawing call and pixel() use.
  QSize size() const { return size_; }
  QColor pixel(int x, int y) const;
  const QImage& image() const;
  QPoint penPos() const { return pos_; }

  // Called after every drawing operation (the view schedules a repaint).
  void setOnChange(std::function<void()> f) { onChange_ = std::move(f); }
  // Sees every text drawn on any canvas, with its cell and the canvas (tests read the plots'
  // texts through it, and compare a cell with the part of the canvas its view shows).
  using TextWatch = std::function<void(const QString& text, const QRect& cell, const Canvas& canvas)>;
  static inline TextWatch watchText;

  // A canvas that is not on screen for a while (its window is behind another) keeps its
  // pixels run-length packed; any use brings them back exactly. The blank bitmap itself is
  // made only when first used.
  void pack();
  bool packed() const { return !runs_.empty(); }

 private:
  void ready() const;  // the bitmap exists and holds the pixels
  QPainter& painter();
  void end() const;
  void changed();
  QPen pen() const;
  void thinAxisLine(QPoint to);  // a one-pixel row or column from pos_, its last pixel left out

  QSize size_;
  QSize made_;            // the size asked for at construction (the wall's)
  qreal ratio_;           // device pixels per logical pixel of this bitmap
  mutable QImage image_;  // null until first used, and while packed
  // Packed pixels: pairs of a run length and its colour, row after row.
  mutable std::vector<std::uint32_t> runs_;
  mutable std::unique_ptr<QPainter> painter_;
  QColor penColor_ = colors::Black;
  int penWidth_ = 1;
  QColor brush_ = colors::White;
  QFont font_;
  QColor fontColor_ = colors::Black;
  QPoint pos_;
  std::function<void()> onChange_;
};
