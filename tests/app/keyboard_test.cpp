// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The trainer from the keyboard: every shape of reading plot reads by arrow keys exactly what a
// press of the mouse reads at the same pixel, with a cross-hair that never reaches the bitmap;
// Alt+arrows and Alt+M work the command bar; a whole work is played without a mouse event.
#include <QAbstractButton>
#include <QApplication>
#include <QSlider>

#include "support/fixture.h"

namespace {

class Keyboard : public TrainerTest {
 protected:
  QStringList readout() const { return {label("KoordX"), label("KoordX1"), label("KoordY"), label("KoordY1")}; }

  static void press(PlotView* v, QPoint p) {
    QMouseEvent e(QEvent::MouseButtonPress, QPointF(p), v->mapToGlobal(QPointF(p)), Qt::LeftButton, Qt::LeftButton,
                  Qt::NoModifier);
    QCoreApplication::sendEvent(v, &e);
  }

  // Tab into the plot, then a walk of keys; after every key the readout and the bitmap are those
  // a mouse press at the same pixel gives, and the point is where the keys should have put it.
  void readsByKeys(PlotView* v, QWidget* before) {
    SCOPED_TRACE(v->objectName().toStdString());
    ASSERT_TRUE(v->reads());
    const QImage bitmap = v->canvas().image().copy();
    const QRect area(0, 0, std::min(v->width(), v->canvas().size().width()),
                     std::min(v->height(), v->canvas().size().height()));
    before->setFocus();
    v->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(v->hasFocus());
    QPoint at = v->origin();
    EXPECT_EQ(v->readingPoint(), at);
    EXPECT_EQ(readoutTitle(), "Координаты указателя");
    EXPECT_NE(readout()[1], "???");
    struct Key {
      Qt::Key key;
      Qt::KeyboardModifiers m;
      QPoint move;
    };
    const Key walk[] = {{Qt::Key_Right, Qt::NoModifier, {1, 0}},   {Qt::Key_Right, Qt::ShiftModifier, {10, 0}},
                        {Qt::Key_Up, Qt::ShiftModifier, {0, -10}}, {Qt::Key_Down, Qt::NoModifier, {0, 1}},
                        {Qt::Key_End, Qt::NoModifier, {}},         {Qt::Key_Right, Qt::NoModifier, {1, 0}},
                        {Qt::Key_Home, Qt::NoModifier, {}},        {Qt::Key_Left, Qt::ShiftModifier, {-10, 0}}};
    for (const Key& k : walk) {
      QTest::keyClick(v, k.key, k.m);
      at += k.move;
      if (k.key == Qt::Key_End) at.setX(area.right());
      if (k.key == Qt::Key_Home) at.setX(0);
      at = QPoint(std::clamp(at.x(), 0, area.right()), std::clamp(at.y(), 0, area.bottom()));
      ASSERT_EQ(v->readingPoint(), at) << k.key;
      const QStringList byKeys = readout();
      const QImage keysBitmap = v->canvas().image().copy();
      EXPECT_TRUE(v->crossHairShown());
      // The cross-hair is on the screen, over the bitmap: only its row and column differ.
      const QImage shown = v->grab().toImage().convertToFormat(QImage::Format_RGB32);
      int differ = 0;
      for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x)
          if (shown.pixel(x, y) != keysBitmap.pixel(x, y)) {
            ++differ;
            ASSERT_TRUE(x == at.x() || y == at.y()) << x << "," << y;
          }
      EXPECT_GT(differ, 20);
      press(v, at);
      EXPECT_EQ(readout(), byKeys) << k.key;
      EXPECT_EQ(v->canvas().image(), keysBitmap);
    }
    EXPECT_EQ(v->canvas().image(), bitmap);
    // Leaving keeps the last reading, frozen, and takes the cross-hair away.
    const QStringList last = readout();
    before->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(readout(), last);
    EXPECT_EQ(readoutTitle(), "Координаты указателя (locked)");
    EXPECT_FALSE(v->crossHairShown());
    // Coming back by Tab starts where the reading was.
    v->setFocus(Qt::BacktabFocusReason);
    EXPECT_EQ(v->readingPoint(), at);
    EXPECT_EQ(readout(), last);
    EXPECT_TRUE(v->crossHairShown());
    const QRect a = v->readingArea();
    mouseReadsWithoutCrossHair(v, a.center(), a.center() + QPoint(a.width() / 4, -a.height() / 4));
  }

  PlotView* plot(ExperimentWindow* w, const char* name) { return w->findChild<PlotView*>(name); }

  // What the plot shows equals its bitmap pixel for pixel over the visible part.
  static void showsTheBitmapAlone(PlotView* v) {
    const QImage shown = v->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage bitmap = v->canvas().image().convertToFormat(QImage::Format_RGB32);
    const QRect area = v->readingArea();
    for (int y = 0; y < area.height(); ++y)
      for (int x = 0; x < area.width(); ++x)
        ASSERT_EQ(shown.pixel(x, y), bitmap.pixel(x, y)) << v->objectName().toStdString() << " " << x << "," << y;
  }

  // A mouse reading (press, drag, release, and a press after a keyboard reading) shows the
  // window's own lines whole: no pixel of the keyboard's cross-hair; a key brings it back.
  void mouseReadsWithoutCrossHair(PlotView* v, QPoint from, QPoint to) {
    SCOPED_TRACE(v->objectName().toStdString());
    press(v, from);
    EXPECT_FALSE(v->crossHairShown());
    showsTheBitmapAlone(v);
    drag(v, to.x(), to.y());
    showsTheBitmapAlone(v);
    QTest::mouseRelease(v, Qt::LeftButton, Qt::NoModifier, to);
    EXPECT_FALSE(v->crossHairShown());
    showsTheBitmapAlone(v);
    QTest::keyClick(v, Qt::Key_Left);
    EXPECT_TRUE(v->crossHairShown());
    press(v, to);
    showsTheBitmapAlone(v);
  }
};

}  // namespace

TEST_F(Keyboard, TimeResponseWithReadout) {
  ExperimentWindow* w = start("Form1_1");
  readsByKeys(plot(w, "Image1"), w->edit(0));
}

// The tangent mode draws a money-green cross-hair of its own where the pointer is; the
// keyboard's must not cover it.
TEST_F(Keyboard, TangentModeKeepsItsOwnCrossHair) {
  ExperimentWindow* w = start("Form2_1");
  auto* tangent = w->findChild<QAbstractButton*>("CB1");
  ASSERT_TRUE(tangent && tangent->isEnabled());
  tangent->setChecked(true);
  PlotView* v = plot(w, "Image1");
  mouseReadsWithoutCrossHair(v, {120, 150}, {180, 120});
  EXPECT_TRUE(near(v, 180, 100, QColor(0xC0, 0xDC, 0xC0), 1));
}

// The sine plots and the delay plot draw level lines and measuring lines across the plot.
TEST_F(Keyboard, SinePlotsKeepTheirLevelLines) {
  for (const char* form : {"Form7_2", "Form4_1"}) {
    ExperimentWindow* w = start(form);
    int read = 0;
    for (PlotView* v : w->findChildren<PlotView*>())
      if (v->reads() && v->isVisible()) {
        ++read;
        const QRect a = v->readingArea();
        mouseReadsWithoutCrossHair(v, a.center(), a.center() - QPoint(a.width() / 5, a.height() / 5));
      }
    EXPECT_GT(read, 0) << form;
    click("BMenu");
  }
}

TEST_F(Keyboard, TypingAfterAClickOnThePlotGoesToTheAnswerBox) {
  script({50});  // T = 0.5
  ExperimentWindow* w = start("Form1_1");
  PlotView* v = plot(w, "Image1");
  w->edit(0)->setFocus();
  v->setFocus(Qt::MouseFocusReason);  // the click's focus; the press reads as before
  press(v, QPoint(40, 40));
  QTest::keyClicks(v, loc("0.5"));
  EXPECT_TRUE(w->edit(0)->hasFocus());
  EXPECT_EQ(w->edit(0)->text(), loc("0.5"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_TRUE(main->work().completed("Form1_1"));
}

TEST_F(Keyboard, MeasuringLines) {
  ExperimentWindow* w = start("Form3_1");
  readsByKeys(plot(w, "Image1"), w->edit(0));
  // The bars keep their arrow keys.
  auto* bar = w->findChild<QSlider*>("TrackBar1");
  const int was = bar->value();
  QTest::keyClick(bar, Qt::Key_Down);
  EXPECT_NE(bar->value(), was);
}

TEST_F(Keyboard, FrequencyPlot) {
  ExperimentWindow* w = start("Form1_4");
  readsByKeys(plot(w, "Image11"), w->edit(0));
}

TEST_F(Keyboard, Lafc) {
  ExperimentWindow* w = start("Form7_4");
  readsByKeys(plot(w, "Image1"), w->edit(0));
}

TEST_F(Keyboard, StabilityCursorsAndBothPlots) {
  ExperimentWindow* w = start("Form16_2");
  auto* bar = w->findChild<QSlider*>("TrackBar1");
  QTest::keyClick(bar, Qt::Key_Right);
  EXPECT_EQ(bar->value(), 51);
  readsByKeys(plot(w, "Image1"), w->edit(0));
  readsByKeys(plot(w, "Image3"), w->edit(0));
}

// A reading that nothing took yet (the measuring plot before its trace has ended) leaves the
// point where it was: the keys read only what the mouse could.
TEST_F(Keyboard, NoReadingWhileTheCurvesGrow) {
  main->workClick("Form3_1");  // the trace starts once events run
  ExperimentWindow* w = active();
  ASSERT_TRUE(w && main->Busy);
  PlotView* v = plot(w, "Image1");
  v->setFocus(Qt::TabFocusReason);
  QTest::keyClick(v, Qt::Key_Right);
  EXPECT_FALSE(v->hasReadingPoint());
  EXPECT_EQ(label("KoordX1"), "???");
  // Alt+→ does nothing while the trace runs, as Next does.
  main->work().setCompleted("Form3_1", true);
  QTest::keyClick(v, Qt::Key_Right, Qt::AltModifier);
  EXPECT_EQ(active(), w);
  settle();
}

// The inertial-forcing work from the start screen to its end with keys only: Tab and Space
// choose the section and the work, Tab reaches each plot and the arrows read it, the answers are
// typed and entered, Alt+→ moves on, Alt+← goes back and Alt+→ forward again, Alt+M ends the work.
TEST_F(Keyboard, AWorkPlayedWithTheKeyboardOnly) {
  auto focus = [] { return QApplication::focusWidget(); };
  auto key = [&](Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
    QTest::keyClick(focus() ? focus() : static_cast<QWidget*>(main.get()), k, m);
    settle();
  };
  auto tabTo = [&](const std::function<bool(QWidget*)>& reached, Qt::Key k = Qt::Key_Tab) {
    for (int i = 0; i < 80 && !reached(focus()); ++i) key(k);
    return reached(focus());
  };
  auto named = [](const char* name) { return [name](QWidget* f) { return f && f->objectName() == name; }; };
  ASSERT_TRUE(tabTo(named("Button3")));
  key(Qt::Key_Space);
  ASSERT_TRUE(tabTo(named("B8")));
  key(Qt::Key_Space);
  const char* forms[] = {"Form8_1", "Form8_2", "Form8_3"};
  for (const char* form : forms) {
    SCOPED_TRACE(form);
    ExperimentWindow* w = active();
    ASSERT_TRUE(w);
    ASSERT_EQ(w->objectName().toStdString(), form);
    if (std::ranges::any_of(w->findChildren<PlotView*>(), &PlotView::reads)) {
      ASSERT_TRUE(tabTo([](QWidget* f) {
        auto* p = qobject_cast<PlotView*>(f);
        return p && p->reads();
      }));
      key(Qt::Key_Right, Qt::ShiftModifier);
      key(Qt::Key_Up);
      EXPECT_NE(label("KoordX1"), "???");
      EXPECT_EQ(readoutTitle(), "Координаты указателя");
    }
    for (int i = 0; i < w->answerCount(); ++i) {
      ASSERT_TRUE(tabTo([&](QWidget* f) { return f == w->edit(i); }, Qt::Key_Backtab)) << i;
      const Acceptance r = w->answer(i).rule;
      QTest::keyClicks(focus(), loc(FloatToStr((r.lo + r.hi) / 2)));
      key(Qt::Key_Return);
      ASSERT_TRUE(w->edit(i)->isReadOnly()) << i << " " << messages.last().toStdString();
    }
    if (form == forms[1]) {
      key(Qt::Key_Left, Qt::AltModifier);
      ASSERT_EQ(active()->objectName().toStdString(), forms[0]);
      key(Qt::Key_Right, Qt::AltModifier);
      ASSERT_EQ(active(), w);
    }
    if (form != forms[2]) key(Qt::Key_Right, Qt::AltModifier);
  }
  EXPECT_TRUE(main->work().WorkDone);
  key(Qt::Key_M, Qt::AltModifier);
  EXPECT_EQ(messages.last(), "Лабораторная работа выполнена!");
  EXPECT_TRUE(main->findChild<QWidget*>("Panel1")->isVisible());
  // On the start screen the keys of the hidden bar do nothing.
  const auto said = messages.shown.size() + messages.asked.size();
  key(Qt::Key_M, Qt::AltModifier);
  EXPECT_EQ(messages.shown.size() + messages.asked.size(), said);
}
