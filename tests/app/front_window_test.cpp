// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window Next or Back shows is the one in front: the active subwindow, named in the main
// window's title, with the keyboard focus inside it. A message box that took the focus from
// the window before and handed it back must not pull that window to the front again.
#include <QAbstractButton>
#include <QApplication>

#include "app/program.h"
#include "framework/plot_view.h"
#include "support/fixture.h"

namespace {

class FrontWindow : public TrainerTest {
 protected:
  FrontWindow() { messages.boxes = true; }

  // Empty when `form` is in front as it should be, otherwise what is wrong.
  std::string inFront(const QString& form) {
    ExperimentWindow* w = main->findWindow(form);
    if (!w) return "not created";
    if (active() != w) return "active: " + (active() ? active()->objectName() : QString("none")).toStdString();
    if (!main->windowTitle().contains(w->windowTitle())) return "main title: " + main->windowTitle().toStdString();
    QWidget* focus = QApplication::focusWidget();
    if (!focus || (focus != w && !w->isAncestorOf(focus)))
      return "focus: " + (focus ? focus->objectName() : QString("none")).toStdString();
    return {};
  }
};

}  // namespace

TEST_F(FrontWindow, PiCircuitQuestionComesToTheFrontAfterARefusedAnswer) {
  click("Button3");
  click("B6");
  answerAll(active());
  click("BNext");
  answerAll(active());
  script({200, 900, 5});
  click("BNext");
  ExperimentWindow* freq = active();
  ASSERT_EQ(freq->objectName(), "Form6_3");
  const Acceptance r = freq->answer(0).rule;
  type(freq, 0, FloatToStr(2 * r.hi + 1));
  ASSERT_EQ(messages.last(), msg::WrongValue);
  answerAll(freq);
  ASSERT_TRUE(main->work().completed("Form6_3"));
  script({150, 420});
  click("BNext");
  EXPECT_EQ(inFront("Form6_4"), "");
  EXPECT_TRUE(main->windowTitle().contains("Опыт №4"));
}

TEST_F(FrontWindow, EveryWindowOpenedByNextRightAfterAMessageBox) {
  int checked = 0;
  for (const NextRow& row : nextTable()) {
    if (row.repeat) continue;
    if (!active() || active()->objectName() != row.from) {
      if (active()) {
        messages.answers = {true};
        main->BMenuClick();
        flushDeletes();
      }
      main->workClick(row.from);
      settle();
      ASSERT_TRUE(active()) << row.from.toStdString();
      ASSERT_EQ(active()->objectName(), row.from);
    }
    ExperimentWindow* from = active();
    for (int i = 0; i < from->answerCount(); ++i)
      if (from->edit(i)->isVisible()) {
        from->edit(i)->setFocus();
        break;
      }
    main->messages().info(msg::WrongValue);
    main->work().setCompleted(row.from, true);
    main->BNextClick();
    settle();
    EXPECT_EQ(inFront(row.to), "") << row.from.toStdString() << " -> " << row.to.toStdString();
    ++checked;
  }
  EXPECT_GT(checked, 60);
}

// A window sent behind keeps its plots packed, and Back shows them exactly as they were left.
TEST_F(FrontWindow, AWindowBehindIsPackedAndComesBackPixelForPixel) {
  messages.boxes = false;
  ExperimentWindow* first = start(QStringLiteral("Form19_1"));
  answerAll(first);
  QList<QImage> shown;
  const QList<PlotView*> plots = first->findChildren<PlotView*>();
  for (PlotView* v : plots) shown << v->canvas().image().copy();
  click("BNext");
  settle();
  ASSERT_NE(active(), first);
  // The response plot is packed; a picture shared with the picture cache is left as it is.
  EXPECT_EQ(std::count_if(plots.begin(), plots.end(), [](PlotView* v) { return v->canvas().packed(); }), 1);
  click("BBack");
  settle();
  ASSERT_EQ(active(), first);
  for (int i = 0; i < plots.size(); ++i) EXPECT_EQ(plots[i]->canvas().image(), shown[i]) << i;
}
