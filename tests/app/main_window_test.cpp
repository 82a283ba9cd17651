// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The start screen, the section menu, the credits, the calculator and help.
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QToolButton>

#include "app/calculator.h"
#include "app/program.h"
#include "framework/probe_window.h"
#include "help/help_viewer.h"
#include "support/fixture.h"

class StartScreen : public TrainerTest {
 protected:
  StartScreen() : TrainerTest(&probeRegistry()) {}
  QWidget* w(const QString& name) const { return main->findChild<QWidget*>(name); }
  bool shown(const QString& name) const { return w(name)->isVisibleTo(main.get()); }
  void click(const QString& name) { QTest::mouseClick(main->findChild<QAbstractButton*>(name), Qt::LeftButton); }
};

TEST_F(StartScreen, LayoutAsDesigned) {
  EXPECT_EQ(main->windowTitle(), "Лабораторный тренажер. Lumeq");
  EXPECT_EQ(main->centralWidget()->size(), QSize(634, 451));
  EXPECT_TRUE(shown("Panel1"));
  EXPECT_FALSE(shown("Panel2"));
  EXPECT_EQ(w("Panel1")->geometry(), QRect(8, 32, 617, 401));
  EXPECT_EQ(w("Panel2")->geometry(), QRect(8, 384, 617, 57));
  // The section buttons in a column 32 pixels apart from the top, every one above the check box.
  int top = 16;
  for (const SectionButton& s : sectionButtons()) {
    EXPECT_EQ(w(s.name)->geometry(), QRect(20, top, 261, 33)) << s.name.toStdString();
    EXPECT_LT(w(s.name)->geometry().bottom(), main->p->geometry().top()) << s.name.toStdString();
    top += 32;
  }
  EXPECT_EQ(main->findChild<QPushButton*>("Button7")->text(), "Астатизм САУ");
  for (const QString& panel : workPanels()) {
    EXPECT_EQ(w(panel)->geometry(), QRect(312, 8, 273, 313)) << panel.toStdString();
    EXPECT_FALSE(shown(panel));
  }
  for (const auto& b : workButtons())
    EXPECT_EQ(w(b.name)->geometry(), QRect(8, b.top, 260, 73)) << b.name.toStdString();
  EXPECT_FALSE(main->p->isChecked());  // the fixture unticks it; a fresh window has it ticked
  Main fresh;
  EXPECT_TRUE(fresh.p->isChecked());
  EXPECT_EQ(fresh.p->geometry(), QRect(48, 312, 18, 33));
  EXPECT_EQ(w("BMenu")->geometry(), QRect(256, 16, 75, 25));
  EXPECT_EQ(w("BBack")->geometry(), QRect(336, 16, 81, 25));
  EXPECT_EQ(w("BNext")->geometry(), QRect(424, 16, 81, 25));
  EXPECT_EQ(w("BClose")->geometry(), QRect(512, 16, 89, 25));
  EXPECT_EQ(main->findChild<QPushButton*>("BClose")->text(), "Калькулятор");
}

TEST_F(StartScreen, SectionButtonsShowOnePanel) {
  click("Button1");
  EXPECT_TRUE(shown("Panel3"));
  click("Button1");
  EXPECT_TRUE(shown("Panel3"));
  click("Button7");
  EXPECT_TRUE(shown("Panel10"));
  EXPECT_FALSE(shown("Panel3"));
  int visible = 0;
  for (const QString& panel : workPanels()) visible += shown(panel);
  EXPECT_EQ(visible, 1);
}

TEST_F(StartScreen, OnlyWorksWithWindowsCanBeStarted) {
  EXPECT_TRUE(w("BIntegrZveno")->isEnabled());  // Form1_1 exists in the probe registry
  EXPECT_FALSE(w("BAperZveno")->isEnabled());
  EXPECT_FALSE(w("b71")->isEnabled());
  EXPECT_FALSE(w("Button4")->isEnabled());
}

TEST_F(StartScreen, ExitButtonReplacesTheCreditsAtTheFifthTick) {
  for (int i = 0; i < 4; ++i) main->Timer1Timer();
  EXPECT_TRUE(shown("Label8"));
  EXPECT_FALSE(shown("Button10"));
  main->Timer1Timer();
  EXPECT_FALSE(shown("Label8"));
  EXPECT_FALSE(shown("Label9"));
  EXPECT_TRUE(shown("Button10"));
  EXPECT_EQ(main->findChild<QPushButton*>("Button10")->text(), "Выход");
  EXPECT_FALSE(main->Timer1->isActive());
}

TEST_F(StartScreen, CalculatorThatCannotStartIsReported) {
  click("BClose");
  EXPECT_EQ(calculatorCalls, 1);
  EXPECT_EQ(messages.last(), "Приложения \"калькулятор\" нет!");
  calculatorStarts = true;
  messages.clear();
  click("BClose");
  EXPECT_TRUE(messages.shown.isEmpty());
}

TEST(Calculator, NoCandidateMeansNoStart) {
  EXPECT_FALSE(startCalculator({}));
  EXPECT_FALSE(startCalculator({"no-such-calculator-here", "/nonexistent/calc"}));
}

TEST_F(StartScreen, HelpOpensAtTheContextOfTheFocusOrWindow) {
  main->p->setFocus();
  main->showHelp();
  EXPECT_EQ(main->helpViewer()->currentContext(), 111);
  EXPECT_FALSE(main->helpViewer()->currentTitle().isEmpty());
  click("Button1");
  script({50});
  auto* win = start("Form1_1");
  win->edit(0)->setFocus();
  QApplication::setActiveWindow(main.get());
  main->showHelp();
  EXPECT_EQ(main->helpViewer()->currentContext(), 11);
  for (int c : HelpViewer::allTopics()) EXPECT_FALSE(HelpViewer::topicTitle(c).isEmpty()) << c;
}

TEST_F(StartScreen, StartingAWorkShowsTheCommandBarAndTheWindowMaximized) {
  click("Button1");
  click("BIntegrZveno");
  settle();
  EXPECT_FALSE(shown("Panel1"));
  EXPECT_TRUE(shown("Panel2"));
  auto* win = active();
  ASSERT_TRUE(win);
  EXPECT_EQ(win->objectName(), "Form1_1");
  EXPECT_TRUE(win->isMaximized());
  // The maximized window's caption is shown in the frame's title.
  EXPECT_EQ(main->windowTitle(), "Лабораторный тренажер. Lumeq - [Проба]");
  EXPECT_FALSE(shown("Label1"));
  EXPECT_TRUE(main->findChild<QGroupBox*>("GroupBox1")->isVisibleTo(main.get()));
}

TEST(NextTable, RowsAndPredecessors) {
  EXPECT_EQ(nextRowFrom("Form1_1")->to, "Form1_2");
  EXPECT_TRUE(nextRowFrom("Form1_3")->resetCounter);
  EXPECT_TRUE(nextRowFrom("Form1_4")->repeat);
  EXPECT_TRUE(nextRowFrom("Form1_4")->activateOnRepeat);
  EXPECT_FALSE(nextRowFrom("Form2_4")->activateOnRepeat);
  EXPECT_EQ(nextRowFrom("Form16_4")->to, "Form16_5");
  EXPECT_EQ(nextRowFrom("Form22_7")->to, "Form22_8");
  for (const char* last : {"Form4_1", "Form9_1", "Form10_1", "Form5_2", "Form16_5", "Form19_8", "Form22_8", "Form15_2"})
    EXPECT_EQ(nextRowFrom(last), nullptr) << last;
  EXPECT_EQ(openRowTo("Form1_4")->from, "Form1_3");
  EXPECT_EQ(openRowTo("Form1_1"), nullptr);
  EXPECT_EQ(openRowTo("Form20_1"), nullptr);
  EXPECT_EQ(nextRowFrom("form1_1"), nullptr);  // names compare exactly
}

// Every window of every work, opened on its own, one after the other: nothing it lays out runs
// past the client area of the maximized child (a panel 16 pixels too wide was once cut at the
// right edge), and it shows numbers, not "inf" or "nan" (a frequency window opened with the
// counter left at its closing run once showed ω = 0).
TEST_F(TrainerTest, EveryWindowOpenedOnItsOwnFitsAndShowsNumbers) {
  static const QRegularExpression bad(QStringLiteral("nan|inf"), QRegularExpression::CaseInsensitiveOption);
  for (const QString& form : programWindows().forms()) {
    SCOPED_TRACE(form.toStdString());
    ExperimentWindow* w = start(form);
    ASSERT_TRUE(w);
    const QRect room = w->client()->rect();
    for (auto* child : w->client()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
      if (child->isVisibleTo(w)) EXPECT_TRUE(room.contains(child->geometry())) << child->objectName().toStdString();
    for (auto* label : w->findChildren<QLabel*>())
      if (label->isVisibleTo(w)) EXPECT_FALSE(bad.match(label->text()).hasMatch()) << label->text().toStdString();
    messages.answers.assign(2, true);
    main->findChild<QAbstractButton*>("BMenu")->click();
    settle();
    flushDeletes();
  }
}
