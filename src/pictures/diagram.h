// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "pictures/pixel_ratio.h"
#include "pictures/formula.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

// Drawing kit for the block diagrams of the works. A picture is built in two layers:
//   Diagram – a white (or transparent) canvas with the primitives: boxes, summing
//             points, branch dots, arrows, letters and captions;
//   Row     – one horizontal signal path laid out automatically across a given width;
//   Loop    – the unity negative feedback loop that most works use, built on a Row.
// The Diagram also remembers where every item went, so overlapping or clipped
// items are reported by problems() instead of being found by eye.

namespace pictures::draw {

// Signal colours shared by all diagrams of the course.
inline const QColor kInputColour{0xFF, 0x00, 0x00};        // setpoint G
inline const QColor kOutputColour{0x00, 0x00, 0xFF};       // controlled value R
inline const QColor kDisturbanceColour{0xFF, 0x00, 0xFF};  // disturbance F
inline const QColor kInkColour{0x00, 0x00, 0x00};

struct Style {
  int formulaSize;  // text inside the blocks, px
  int letterSize;   // signal letters beside the lines
  int captionSize;  // caption under the diagram (largest size tried)
  int noteSize;     // small remarks such as "коррекция"
  qreal lineWidth;
  qreal sumRadius;
  qreal dotRadius;
  qreal headLength;
  qreal headHalfWidth;
  qreal padX, padY;   // box border to its content
  qreal barGap;       // fraction bar to the ink of numerator / denominator
  qreal barOverhang;  // how far the bar sticks out past the wider of the two
  qreal minBoxWidth;
  qreal minBoxHeight;  // boxes in a Row are never lower than this
  qreal minArrow;      // shortest segment between two neighbouring nodes
  qreal labelGap;      // a letter to the line it names

  static Style button();  // the 260x73 pictures on the work buttons
  static Style window();  // the larger pictures inside the work windows
};

// What a box holds: a fraction, or a single expression when the denominator is empty.
struct Block {
  QString numerator;
  QString denominator;
  bool isFraction() const { return !denominator.isEmpty(); }
};
inline Block frac(const QString& num, const QString& den) { return {num, den}; }
inline Block expr(const QString& text) { return {text, QString()}; }

class Diagram {
 public:
  Diagram(QSize size, const QColor& background, const Style& style = Style::button());
  ~Diagram();
  Diagram(const Diagram&) = delete;
  Diagram& operator=(const Diagram&) = delete;

  QPainter& painter() { return *painter_; }
  const Style& style() const { return style_; }
  Style& style() { return style_; }
  QSize size() const { return image_.deviceIndependentSize().toSize(); }
  QRectF bounds() const { return QRectF(QPointF(0, 0), image_.deviceIndependentSize()); }

  // Ends painting; the Diagram must not be drawn on afterwards.
  QImage finish();

  // Coordinates that land 1 px lines exactly on a pixel row or column.
  static qreal snap(qreal v);

  void line(QPointF a, QPointF b);
  void polyline(const QList<QPointF>& points);
  void arrow(QPointF from, QPointF to);
  void arrow(const QList<QPointF>& path);  // polyline with the head on the last point
  void sum(QPointF centre);                // summing point: circle with a diagonal cross
  void dot(QPointF centre);                // branch point

  QSizeF blockSize(const Block& b) const;  // natural size of a box for this content
  void box(const QRectF& r, const Block& b);
  QRectF boxAt(QPointF centre, const Block& b);  // natural size, centred; returns the box

  // Formula text whose ink rectangle is aligned to `anchor` as `align` says
  // (AlignLeft/Right/HCenter against x, AlignTop/Bottom/VCenter against y).
  QRectF label(const QString& markup, QPointF anchor, Qt::Alignment align, const QColor& colour = kInkColour,
               int pixelSize = 0);
  // Ordinary words (no markup: hyphens stay hyphens).
  QRectF words(const QString& text, QPointF anchor, Qt::Alignment align, const QColor& colour = kInkColour,
               int pixelSize = 0);
  // Centred at the bottom; shrinks a pixel at a time until it fits the width.
  QRectF caption(const QString& text);
  // Top of the caption band for captionSize text, so diagrams can stay clear of it.
  qreal captionTop() const;

  // Letters, boxes and summing points must stay out of `area` (something is laid over it).
  void keepOut(const QRectF& area, const QString& why);
  // Human-readable list of overlaps, clipped items and keep-out violations; empty when clean.
  QStringList problems() const;
  // What the picture says, in drawing order: "box 1/T_1p" for a box, "text k_1" for a letter.
  QStringList texts() const;
  void reportProblem(const QString& what);

 private:
  enum class Kind { Text, Box, Sum, Dot, Line };
  struct Mark {
    QRectF rect;
    Kind kind;
    QString what;
  };
  void mark(const QRectF& r, Kind k, const QString& what);
  void markSegment(QPointF a, QPointF b);
  QRectF placeText(QSizeF ink, qreal ascent, QPointF anchor, Qt::Alignment align, QPointF* baseline) const;

  // Logical size of the picture (the bitmap itself holds display::ratio() pixels per unit).
  qreal logicalWidth() const { return image_.width() / image_.devicePixelRatio(); }
  qreal logicalHeight() const { return image_.height() / image_.devicePixelRatio(); }

  QImage image_;
  std::unique_ptr<QPainter> painter_;
  Style style_;
  std::vector<Mark> marks_;
  std::vector<std::pair<QRectF, QString>> keepOut_;
  QStringList reported_;
};

// One horizontal signal path. Nodes are added left to right; the segments between
// them become arrows (plain lines when they run into a branch dot). fit() spreads
// the spare width over the segments by their stretch weights.
class Row {
 public:
  Row(Diagram& d, qreal y);

  Row& input(const QString& letter = QStringLiteral("G"), const QColor& colour = kInputColour);
  Row& output(const QString& letter = QStringLiteral("R"), const QColor& colour = kOutputColour);
  Row& sum(int* id = nullptr);
  Row& block(const Block& b, int* id = nullptr);
  Row& branch(int* id = nullptr);
  // Name, stretch or lengthen the segment that follows the node added last.
  // `where` is the label's centre as a fraction of the segment's length.
  Row& label(const QString& markup, const QColor& colour = kInkColour, qreal where = 0.5);
  Row& stretch(qreal weight);
  Row& minLength(qreal length);

  int count() const { return int(nodes_.size()); }
  int last() const { return count() - 1; }
  qreal y() const { return y_; }
  // Segment i runs from node i to node i + 1.
  void setStretch(int segment, qreal weight);
  void setLabelPosition(int segment, qreal where);

  // Lays the nodes out between `left` and `right`; false (and a problem noted on the
  // Diagram) when even the shortest segments do not fit.
  bool fit(qreal left, qreal right);
  // The width fit() needs with every segment at its shortest.
  qreal minimumWidth() const;
  void draw();

  QRectF rect(int id) const;
  QPointF centre(int id) const;
  QPointF top(int id) const;
  QPointF bottom(int id) const;
  QPointF leftPort(int id) const;
  QPointF rightPort(int id) const;
  qreal boxHeight() const { return boxHeight_; }

  // An arrow from `topY` straight down into node `id`, with its letter beside the arrow's tail.
  void fromAbove(int id, const QString& letter, const QColor& colour, qreal topY,
                 Qt::AlignmentFlag side = Qt::AlignLeft);
  // Line from node `from` (a branch dot or a box) to level `y`, along it and into node `to`
  // from that side: below the row for main feedback, above it for local loops.
  void feedback(int from, int to, qreal y);
  // A remark just above a box.
  void note(int id, const QString& text);

 private:
  enum class Node { Start, End, Sum, Box, Branch };
  struct Item {
    Node kind;
    Block block;
    qreal width = 0;
    qreal x = 0;  // left edge after fit()
  };
  struct Segment {
    QString label;
    QColor colour;
    qreal where = 0.5;
    qreal stretch = 1;
    qreal minLength = 0;
    qreal length = 0;
  };
  Row& add(Node kind, const Block& b, int* id);
  Segment& pending();
  qreal segmentMinimum(int i) const;
  bool hasHead(int segment) const;

  Diagram& d_;
  qreal y_;
  qreal boxHeight_ = 0;
  std::vector<Item> nodes_;
  std::vector<Segment> segments_;
};

// The pieces of a loop's forward path after its summing point.
struct Part {
  enum class Kind { Box, Sum, Branch };
  Part(const Block& b) : kind(Kind::Box), block(b) {}  // NOLINT: a Block reads as a Part
  static Part sum(const QString& disturbance = QString()) { return Part(Kind::Sum, disturbance); }
  static Part branch() { return Part(Kind::Branch, QString()); }

  Kind kind;
  Block block;
  QString letter;  // for sums: the disturbance entering from above, if any

 private:
  Part(Kind k, const QString& l) : kind(k), letter(l) {}
};

// G → ⊗ → parts → • → R with unity negative feedback running under the row.
class Loop {
 public:
  Loop(Diagram& d, qreal y, const QList<Part>& parts, const QString& error = QString());

  Row row;
  int input = -1;        // the main summing point
  int output = -1;       // the branch dot feeding back
  std::vector<int> ids;  // node id of each part, in order

  // Fits, draws, and runs the feedback at `feedbackY`; disturbance arrows start at `disturbanceTop`.
  void draw(qreal left, qreal right, qreal feedbackY, qreal disturbanceTop);

 private:
  QList<Part> parts_;
};

}  // namespace pictures::draw
