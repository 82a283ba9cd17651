// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/diagram.h"

#include <gtest/gtest.h>

#include <QImage>

using namespace pictures::draw;

namespace {

bool dark(const QImage& img, qreal x, qreal y) { return qGray(img.pixel(int(x), int(y))) < 128; }

bool blankColumn(const QImage& img, int x, int fromY, int toY) {
  for (int y = fromY; y <= toY; ++y)
    if (qGray(img.pixel(x, y)) < 250) return false;
  return true;
}

}  // namespace

// ---------------------------------------------------------------- markup

TEST(Formula, ScriptsAreSmallerAndShifted) {
  const Formula plain(QStringLiteral("T1"), 10);
  const Formula sub(QStringLiteral("T_1"), 10);
  const Formula sup(QStringLiteral("p^2"), 10);
  const Formula base(QStringLiteral("p"), 10);

  EXPECT_EQ(sub.plainText(), QStringLiteral("T1"));
  EXPECT_EQ(sub.runSizes(), (std::vector<int>{10, 7}));
  EXPECT_LT(sub.width(), plain.width());
  EXPECT_GT(sub.descent(), Formula(QStringLiteral("T"), 10).descent());
  EXPECT_GT(sup.ascent(), base.ascent());
}

TEST(Formula, ScriptTakesOneCharacterOrABracedGroup) {
  // Only the 1 is lowered: "p+1" goes back to full size.
  EXPECT_EQ(Formula(QStringLiteral("T_1p+1"), 10).runSizes(), (std::vector<int>{10, 7, 10}));

  const Formula delay(QStringLiteral("e^{-τp}"), 10);
  EXPECT_EQ(delay.plainText(), QStringLiteral("e\u2212τp"));
  EXPECT_EQ(delay.runSizes(), (std::vector<int>{10, 7}));

  // Groups nest, each level smaller again (down to the legibility floor).
  EXPECT_EQ(Formula(QStringLiteral("e^{x_1}"), 10).runSizes(), (std::vector<int>{10, 7, 6}));
  EXPECT_EQ(Formula(QStringLiteral("T^2p^2+2ξTp+1"), 10).plainText(), QStringLiteral("T2p2+2ξTp+1"));
}

TEST(Formula, HyphenBecomesMinus) {
  EXPECT_EQ(Formula(QStringLiteral("Tp-1"), 10).plainText(), QStringLiteral("Tp\u22121"));
}

TEST(Formula, MalformedMarkupIsDrawnNotLost) {
  EXPECT_EQ(Formula(QStringLiteral("T_"), 10).plainText(), QStringLiteral("T_"));
  EXPECT_EQ(Formula(QStringLiteral("x^"), 10).plainText(), QStringLiteral("x^"));
  EXPECT_EQ(Formula(QStringLiteral("a}b"), 10).plainText(), QStringLiteral("a}b"));
  const Formula open(QStringLiteral("e^{x"), 10);  // unclosed group runs to the end
  EXPECT_EQ(open.plainText(), QStringLiteral("ex"));
  EXPECT_EQ(open.runSizes(), (std::vector<int>{10, 7}));
  EXPECT_TRUE(Formula(QString(), 10).isEmpty());
  EXPECT_EQ(Formula(QString(), 10).width(), 0);
}

// ---------------------------------------------------------------- primitives

TEST(DiagramPrimitives, SummingPointIsACircleWithADiagonalCross) {
  Diagram d(QSize(40, 40), Qt::white, Style::window());
  d.sum(QPointF(20.5, 20.5));
  const QImage img = d.finish();
  const qreal r = Style::window().sumRadius;
  EXPECT_TRUE(dark(img, 20.5, 20.5));                  // the strokes cross in the middle
  EXPECT_TRUE(dark(img, 20.5 + r, 20.5));              // circle
  EXPECT_TRUE(dark(img, 20.5 + r / 2, 20.5 + r / 2));  // diagonal
  EXPECT_FALSE(dark(img, 20.5 + r / 2, 20.5));         // no upright "+"
  EXPECT_FALSE(dark(img, 20.5, 20.5 - r / 2));
}

TEST(DiagramPrimitives, ArrowHeadSitsOnTheTipAndGoesNoFurther) {
  Diagram d(QSize(60, 20), Qt::white);
  d.arrow(QPointF(5, 10.5), QPointF(40, 10.5));
  const QImage img = d.finish();
  const qreal halfWidth = Style::button().headHalfWidth;
  // The head is wider than the shaft just behind the tip ...
  EXPECT_TRUE(dark(img, 36, 10.5 - halfWidth + 1));
  EXPECT_FALSE(dark(img, 20, 10.5 - halfWidth + 1));
  // ... and nothing is drawn past the tip.
  EXPECT_TRUE(blankColumn(img, 41, 0, 19));
}

TEST(DiagramPrimitives, FractionBoxHoldsBothLinesAndAnEvenHeight) {
  Diagram d(QSize(100, 60), Qt::white);
  const QSizeF fraction = d.blockSize(frac(QStringLiteral("1"), QStringLiteral("T_1p+1")));
  const QSizeF single = d.blockSize(expr(QStringLiteral("k")));
  EXPECT_GT(fraction.height(), single.height());
  EXPECT_EQ(int(fraction.height()) % 2, 0);  // keeps the bar on a pixel row
  EXPECT_GE(single.width(), Style::button().minBoxWidth);
  EXPECT_GT(fraction.width(), Formula(QStringLiteral("T_1p+1"), 10).width());
}

// ---------------------------------------------------------------- problem finder

TEST(DiagramProblems, CleanDiagramHasNone) {
  Diagram d(QSize(120, 60), Qt::white);
  const QRectF box = d.boxAt(QPointF(60, 30), frac(QStringLiteral("1"), QStringLiteral("Tp")));
  d.arrow(QPointF(5, box.center().y()), QPointF(box.left(), box.center().y()));
  d.arrow(QPointF(box.right(), box.center().y()), QPointF(115, box.center().y()));
  d.label(QStringLiteral("G"), QPointF(20, box.center().y() - 3), Qt::AlignHCenter | Qt::AlignBottom);
  EXPECT_TRUE(d.problems().isEmpty()) << d.problems().join(u'\n').toStdString();
}

TEST(DiagramProblems, OverlapsClippingAndKeepOutAreReported) {
  {
    Diagram d(QSize(120, 60), Qt::white);
    d.boxAt(QPointF(40, 30), expr(QStringLiteral("k")));
    d.boxAt(QPointF(50, 30), expr(QStringLiteral("k")));
    EXPECT_EQ(d.problems().size(), 1);
  }
  {
    Diagram d(QSize(120, 60), Qt::white);
    d.boxAt(QPointF(40, 30), expr(QStringLiteral("k")));
    d.sum(QPointF(40 + 8 + 6 + 1, 30));  // a pixel from the box is too close
    EXPECT_EQ(d.problems().size(), 1);
  }
  {
    Diagram d(QSize(120, 60), Qt::white);
    d.line(QPointF(0, 30.5), QPointF(120, 30.5));
    d.label(QStringLiteral("G"), QPointF(20, 30), Qt::AlignCenter);  // letter sitting on a line
    EXPECT_EQ(d.problems().size(), 1);
  }
  {
    Diagram d(QSize(120, 60), Qt::white);
    d.boxAt(QPointF(60, 30), expr(QStringLiteral("k")));
    d.line(QPointF(0, 30.5), QPointF(120, 30.5));  // straight through the box
    EXPECT_EQ(d.problems().size(), 1);
  }
  {
    Diagram d(QSize(120, 60), Qt::white);
    d.label(QStringLiteral("R"), QPointF(119, 30), Qt::AlignLeft | Qt::AlignVCenter);
    ASSERT_EQ(d.problems().size(), 1);
    EXPECT_TRUE(d.problems().first().contains(QStringLiteral("clipped")));
  }
  {
    Diagram d(QSize(120, 60), Qt::white);
    d.keepOut(QRectF(0, 40, 30, 20), QStringLiteral("an icon"));
    d.line(QPointF(0, 50.5), QPointF(60, 50.5));  // lines may pass under icons
    EXPECT_TRUE(d.problems().isEmpty());
    d.label(QStringLiteral("G"), QPointF(10, 50), Qt::AlignCenter);
    EXPECT_EQ(d.problems().size(), 2);  // under the icon, and on the line
  }
}

// ---------------------------------------------------------------- rows and loops

TEST(Row, FitPlacesNodesInOrderAcrossTheGivenWidth) {
  Diagram d(QSize(300, 80), Qt::white);
  Row r(d, 40);
  int s = -1, a = -1, b = -1, dot = -1;
  r.input()
      .sum(&s)
      .block(frac(QStringLiteral("1"), QStringLiteral("T_1p+1")), &a)
      .block(expr(QStringLiteral("k")), &b)
      .branch(&dot)
      .output();
  ASSERT_TRUE(r.fit(10, 290));

  EXPECT_NEAR(r.leftPort(0).x(), 10, 1);
  EXPECT_NEAR(r.rightPort(r.last()).x(), 290, 1);
  for (int i = 0; i < r.last(); ++i)
    EXPECT_LT(r.rect(i).right() + Style::button().minArrow - 1, r.rect(i + 1).left()) << "node " << i;
  // Every box in a row is as tall as the tallest, so the bars line up.
  EXPECT_EQ(r.rect(a).height(), r.rect(b).height());
  EXPECT_EQ(r.centre(a).y(), r.centre(dot).y());
}

TEST(Row, SpareWidthFollowsTheStretchWeights) {
  Diagram d(QSize(300, 80), Qt::white);
  Row r(d, 40);
  // Unnamed ends, so every segment's minimum is the plain shortest arrow.
  r.input(QString())
      .stretch(0)
      .block(expr(QStringLiteral("k")))
      .stretch(2)
      .block(expr(QStringLiteral("k")))
      .output(QString());
  ASSERT_TRUE(r.fit(0, 300));
  const qreal shortest = Style::button().minArrow;
  const qreal spare = 300 - r.minimumWidth();
  EXPECT_NEAR(r.leftPort(1).x() - r.rightPort(0).x(), shortest, 1);
  EXPECT_NEAR(r.leftPort(2).x() - r.rightPort(1).x(), shortest + spare * 2 / 3, 1);
  EXPECT_NEAR(r.leftPort(3).x() - r.rightPort(2).x(), shortest + spare / 3, 1);
}

TEST(Row, TooNarrowIsReportedNotSquashed) {
  Diagram d(QSize(100, 60), Qt::white);
  Row r(d, 30);
  r.input()
      .block(frac(QStringLiteral("k"), QStringLiteral("T^2p^2+2ξTp+1")))
      .block(frac(QStringLiteral("k"), QStringLiteral("T^2p^2+2ξTp+1")))
      .output();
  EXPECT_GT(r.minimumWidth(), 100);
  EXPECT_FALSE(r.fit(0, 100));
  EXPECT_FALSE(d.problems().isEmpty());
}

TEST(Row, SignalLettersGetTheirColoursAndClearTheArrowHead) {
  Diagram d(QSize(200, 50), Qt::white);
  Row r(d, 30);
  r.input().block(expr(QStringLiteral("k"))).output();
  ASSERT_TRUE(r.fit(2, 198));
  r.draw();
  EXPECT_TRUE(d.problems().isEmpty()) << d.problems().join(u'\n').toStdString();
  const QImage img = d.finish();
  int red = 0, blue = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 200; ++x) {
      const QColor c = img.pixelColor(x, y);
      red += c.red() > 200 && c.green() < 90 && c.blue() < 90;
      blue += c.blue() > 200 && c.red() < 90 && c.green() < 90;
    }
  EXPECT_GT(red, 5);
  EXPECT_GT(blue, 5);
}

TEST(Loop, FeedbackRunsUnderTheRowFromTheBranchToTheSummingPoint) {
  Diagram d(QSize(260, 73), Qt::white);
  Loop loop(d, 25,
            {frac(QStringLiteral("1"), QStringLiteral("T_1p+1")), Part::sum(QStringLiteral("F")),
             frac(QStringLiteral("1"), QStringLiteral("T_2p"))});
  ASSERT_EQ(loop.ids.size(), 3u);
  loop.draw(3, 257, 48, 2);
  EXPECT_TRUE(d.problems().isEmpty()) << d.problems().join(u'\n').toStdString();
  const QImage img = d.finish();

  const qreal sumX = loop.row.centre(loop.input).x();
  const qreal dotX = loop.row.centre(loop.output).x();
  EXPECT_LT(sumX, loop.row.centre(loop.ids[0]).x());
  EXPECT_GT(dotX, loop.row.centre(loop.ids[2]).x());
  EXPECT_TRUE(dark(img, (sumX + dotX) / 2, 48.5));  // the return line
  EXPECT_TRUE(dark(img, dotX, 40));                 // going down from the dot
  EXPECT_TRUE(dark(img, sumX, 40));                 // going up into the summing point
  // The disturbance comes in from above the second summing point.
  const QPointF fTop = loop.row.top(loop.ids[1]);
  EXPECT_TRUE(dark(img, fTop.x(), fTop.y() - 8));
}
