// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Form9_1 played through the real widgets: the wipes, the choice question, the three number
// fields under one error counter, the summary and the end of the work.
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "labs/diagrams/state_window.h"
#include "pictures/pictures.h"
#include "support/fixture.h"

using diagrams::StateWindow;

namespace {

bool shows(PlotView* v, const char* picture) {
  return v->canvas().image().convertToFormat(QImage::Format_RGB32) ==
         pictures::get(QString::fromLatin1(picture)).convertToFormat(QImage::Format_RGB32);
}

class StateWorkTest : public TrainerTest {
 protected:
  StateWindow* open() {
    main->sectionClick(QStringLiteral("Button4"));
    settle();
    return window<StateWindow>(QStringLiteral("Form9_1"));
  }
  void choose(StateWindow* w, int rb) {
    w->findChild<QRadioButton*>(QStringLiteral("RB%1").arg(rb))->click();
    w->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    settle();
  }
  bool visible(StateWindow* w, const char* panel) {
    return w->findChild<QFrame*>(QString::fromLatin1(panel))->isVisible();
  }
};

}  // namespace

TEST_F(StateWorkTest, PlayedToTheEnd) {
  script({51, 1, 10, 10});  // k1 = 5.1, T1 = 0.01: T2 = 0.0019608, the draw five characters spoil
  StateWindow* w = open();
  ASSERT_TRUE(w);
  EXPECT_FALSE(main->Busy);
  EXPECT_TRUE(shows(w->picture(), "lab9_2"));
  EXPECT_EQ(label("Label5"), QStringLiteral("Задание №1 из 3"));

  // "Интегрирующее" is preselected and has the keys, not the box of task 2 behind it; answering
  // at once is wrong, and costs nothing.
  EXPECT_TRUE(w->findChild<QRadioButton*>(QStringLiteral("RB1"))->isChecked());
  EXPECT_EQ(main->focusWidget(), w->findChild<QRadioButton*>(QStringLiteral("RB1")));
  choose(w, 1);
  EXPECT_EQ(messages.last(), QStringLiteral("Не верно!\n\rПодумайте!"));
  choose(w, 5);
  EXPECT_EQ(w->errorCount(), 0);
  choose(w, 2);
  EXPECT_EQ(messages.last(), QStringLiteral("Верно!"));
  EXPECT_TRUE(shows(w->picture(), "lab9_3"));
  EXPECT_EQ(label("Label5"), QStringLiteral("Задание №2 из 3"));
  EXPECT_TRUE(visible(w, "Panel4") && visible(w, "Panel5") && !visible(w, "Panel3"));
  EXPECT_EQ(label("LK1"), loc(QStringLiteral("5.1")));
  EXPECT_EQ(label("LT1"), loc(QStringLiteral("0.01 c")));

  type(w, 0, QStringLiteral("0.25"));
  EXPECT_EQ(messages.last(), msg::WrongValue);
  type(w, 0, QStringLiteral("0.196"));
  EXPECT_EQ(w->edit(0)->text(), loc(QStringLiteral("0.1960")));
  type(w, 1, QStringLiteral("0.00196"));
  settle();
  // The wipe to "lab9_4" went straight on to "lab9_5".
  EXPECT_TRUE(shows(w->picture(), "lab9_5"));
  EXPECT_EQ(w->wipes(), 5);
  EXPECT_EQ(label("Label5"), QStringLiteral("Задание №3 из 3"));
  EXPECT_EQ(label("LK2"), loc(QStringLiteral("0.19607")));
  EXPECT_EQ(label("LT2"), loc(QStringLiteral("0.00196 c")));
  EXPECT_TRUE(w->edit(2)->isEnabled());

  // The error of task 2 still counts in task 3.
  type(w, 2, QStringLiteral("1"));
  EXPECT_EQ(w->errorCount(), 2);
  EXPECT_EQ(messages.last(), msg::WrongValue);

  // k3 as the student works it out from the screen.
  const double k3 = 0.1 / (4 * 0.25 * 0.19607 * 0.00196);
  type(w, 2, numtext::FloatToStr(k3));
  settle();
  EXPECT_TRUE(shows(w->picture(), "lab9_6"));
  EXPECT_TRUE(visible(w, "Panel8"));
  EXPECT_TRUE(main->work().WorkDone);
  EXPECT_EQ(main->focusWidget(), main->control(QStringLiteral("BMenu")));
  const diagrams::StateAnswers& a = w->truth();
  EXPECT_EQ(label("SK"), numtext::FloatCut(a.k, 7));
  EXPECT_EQ(label("ST"), numtext::FloatCut(a.T, 7) + QStringLiteral(" c"));
  EXPECT_EQ(label("SG"), loc(QStringLiteral("0.5")));
  EXPECT_EQ(label("SK3"), numtext::FloatCut(a.k3, 7));
  // The right column is the second chain of the final picture, 1/T3 · 1/p closed by k3; T2
  // (0.00196 here) belongs to no block of that picture.
  EXPECT_EQ(label("ST3"), loc(QStringLiteral("0.1 c")));
  QStringList captions;
  for (QLabel* l : w->findChild<QFrame*>(QStringLiteral("Panel8"))->findChildren<QLabel*>()) captions << l->text();
  EXPECT_TRUE(captions.contains(QStringLiteral("T<sub>3</sub> =")));
  EXPECT_FALSE(captions.contains(QStringLiteral("T<sub>2</sub> =")));
  main->BMenuClick();
  EXPECT_EQ(messages.last(), QStringLiteral("Лабораторная работа выполнена!"));
}

TEST_F(StateWorkTest, ThirdErrorOverTwoTasksStartsAgainWithNewData) {
  script({20, 10, 10, 10, /* new data */ 40, 5, 7, 3});
  StateWindow* w = open();
  choose(w, 2);
  type(w, 0, QStringLiteral("7"));
  type(w, 0, QStringLiteral("0.5"));
  type(w, 1, QStringLiteral("9"));
  type(w, 1, QStringLiteral("0.05"));
  settle();
  type(w, 2, QStringLiteral("9"));
  EXPECT_EQ(messages.last(), msg::TooManyErrors);
  settle();
  EXPECT_DOUBLE_EQ(w->params().k1, 4.0);
  EXPECT_EQ(w->errorCount(), 0);
  EXPECT_EQ(label("Label5"), QStringLiteral("Задание №1 из 3"));
  EXPECT_TRUE(visible(w, "Panel3") && !visible(w, "Panel6") && !visible(w, "Panel7"));
  EXPECT_TRUE(w->findChild<QRadioButton*>(QStringLiteral("RB1"))->isChecked());
  EXPECT_TRUE(shows(w->picture(), "lab9_2"));
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(w->edit(i)->text().isEmpty() && !w->edit(i)->isReadOnly());
  EXPECT_FALSE(main->Busy);
}

// Mid-wipe: the new picture left of the sweeping column, a black edge at it, the old picture
// right of it; the command bar is held until the wipe ends.
TEST_F(StateWorkTest, WipeSweepsABlackEdgeFromLeftToRight) {
  script({10, 10, 10, 10});
  pacing(true);
  int seenColumn = -1;
  bool edgeBlack = true, leftNew = true, rightOld = true, busy = false;
  // Samples once the sweep is well under way, whatever the machine's pace.
  QTimer sampler;
  sampler.setInterval(20);
  QObject::connect(&sampler, &QTimer::timeout, [&] {
    auto* w = window<StateWindow>(QStringLiteral("Form9_1"));
    if (!w || w->column() < 20) return;
    sampler.stop();
    const int x = seenColumn = w->column();
    busy = main->Busy;
    const QImage oldPic = pictures::get(QStringLiteral("lab9_1")).convertToFormat(QImage::Format_RGB32);
    const QImage newPic = pictures::get(QStringLiteral("lab9_2")).convertToFormat(QImage::Format_RGB32);
    const QImage now = w->picture()->canvas().image().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < StateWindow::PictureHeight; ++y) {
      edgeBlack = edgeBlack && now.pixel(x, y) == qRgb(0, 0, 0);
      for (int c : {0, x / 2, x - 1}) leftNew = leftNew && now.pixel(c, y) == newPic.pixel(c, y);
      for (int c : {x + 1, (x + StateWindow::PictureWidth) / 2, StateWindow::PictureWidth - 1})
        rightOld = rightOld && now.pixel(c, y) == oldPic.pixel(c, y);
    }
    pacing(false);
  });
  sampler.start();
  open();
  ASSERT_GT(seenColumn, 1);
  ASSERT_LT(seenColumn, StateWindow::PictureWidth);
  EXPECT_TRUE(busy);
  EXPECT_TRUE(edgeBlack);
  EXPECT_TRUE(leftNew);
  EXPECT_TRUE(rightOld);
}

// Closed in the middle of a later wipe, the window lets go of the command bar.
TEST_F(StateWorkTest, ClosingMidWipeReleasesTheCommandBar) {
  script({10, 10, 10, 10});
  StateWindow* w = open();
  pacing(true);
  bool busyMidWipe = false;
  QTimer::singleShot(100, [&] {
    busyMidWipe = main->Busy;
    window<StateWindow>(QStringLiteral("Form9_1"))->close();
  });
  choose(w, 2);
  flushDeletes();
  EXPECT_TRUE(busyMidWipe);
  EXPECT_FALSE(main->Busy);
  EXPECT_EQ(main->findWindow(QStringLiteral("Form9_1")), nullptr);
}
