// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The answer rows every window builds its task panel from: where the caption, its index, the
// box and the mark stand for a given shape.
#include <QLabel>
#include <QWidget>
#include <gtest/gtest.h>

#include "framework/captions.h"
#include "framework/canvas.h"
#include "framework/widgets.h"

using namespace captions;

namespace {
QLabel* labelWith(const QWidget& panel, const QString& text) {
  for (QLabel* l : panel.findChildren<QLabel*>())
    if (l->text() == text) return l;
  return nullptr;
}
}  // namespace

TEST(AnswerRow, ShapePlacesCaptionIndexBoxAndMark) {
  QWidget panel;
  RowShape s;
  s.editX = 62;
  s.markX = 152;
  s.markWidth = 35;
  s.captionX = 8;
  s.captionTop = -1;
  s.indexDrop = 10;
  s.captionName = QStringLiteral("LabelEdit2");
  const AnswerRow r = answerRow(&panel, 2, 100, {greek("w"), sub("ср"), text(" = ")}, 7, s);
  EXPECT_EQ(r.edit->objectName(), "Edit2");
  EXPECT_EQ(r.edit->geometry(), QRect(62, 100, 89, 25));
  EXPECT_EQ(r.mark->objectName(), "SpeedButton2");
  EXPECT_EQ(r.mark->geometry(), QRect(152, 100, 35, 25));
  QLabel* letter = labelWith(panel, fonts::greek("w"));
  ASSERT_TRUE(letter);
  EXPECT_EQ(letter->objectName(), "LabelEdit2");
  EXPECT_EQ(letter->pos(), QPoint(8, 99));
  QLabel* index = labelWith(panel, "ср");
  ASSERT_TRUE(index);
  EXPECT_EQ(index->y(), 109);
  EXPECT_EQ(index->x(), 8 + QFontMetrics(letter->font()).horizontalAdvance(letter->text()));
  EXPECT_EQ(labelWith(panel, " = ")->x(), index->x() + QFontMetrics(index->font()).horizontalAdvance("ср") + 1);
}

TEST(AnswerRow, WithoutAPlaceTheCaptionIsCentredLeftOfTheBox) {
  QWidget panel;
  answerRow(&panel, 1, 40, {text("k =")}, 13, 7, 56);
  QLabel* k = labelWith(panel, "k =");
  ASSERT_TRUE(k);
  EXPECT_EQ(k->x(), (56 - QFontMetrics(k->font()).horizontalAdvance("k =")) / 2);
  EXPECT_EQ(k->y(), 40);
}
