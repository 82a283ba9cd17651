// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What CONTRIBUTING.md promises: a section, its work and its windows come from declarations
// alone. The test declares a section of one work of two windows (nothing added to app/ or the
// program's tables) and plays it through the start screen, Next, Back, F1 and Menu.
#include <QToolButton>

#include "app/program.h"
#include "framework/probe_window.h"
#include "help/help_viewer.h"
#include "support/fixture.h"

namespace {

const Catalogue& extraSection() {
  static const Catalogue c({{.number = 1,
                             .caption = "Новый раздел",
                             .panel = 3,
                             .works = {{.button = QStringLiteral("BIntegrZveno"),
                                        .top = 120,
                                        .helpContext = 12,
                                        .windows = {{QStringLiteral("Form30_1"),
                                                     [](Host& h, const WindowDeclaration& d) -> ExperimentWindow* {
                                                       return ExperimentWindow::create<ProbeWindow>(h, d);
                                                     }},
                                                    {QStringLiteral("Form30_2"),
                                                     [](Host& h, const WindowDeclaration& d) -> ExperimentWindow* {
                                                       return ExperimentWindow::create<ProbeWindow>(h, d);
                                                     },
                                                     5}}}}}});
  return c;
}

class NewSection : public TrainerTest {
 protected:
  NewSection() : TrainerTest(nullptr, &extraSection()) {}
};

}  // namespace

TEST_F(NewSection, IsPlayedFromItsDeclarationsAlone) {
  ASSERT_EQ(checkCatalogue(extraSection()), QStringList());
  click("Button1");
  EXPECT_EQ(main->findChild<QPushButton*>("Button1")->text(), "Новый раздел");
  auto* work = main->findChild<QToolButton*>("BIntegrZveno");
  ASSERT_TRUE(work && work->isVisibleTo(main.get()));
  EXPECT_EQ(work->geometry(), QRect(8, 120, 260, 73));
  script({40});
  click("BIntegrZveno");
  ExperimentWindow* first = active();
  ASSERT_TRUE(first);
  EXPECT_EQ(first->objectName(), "Form30_1");
  EXPECT_EQ(first->declaration().index, 1);
  EXPECT_FALSE(first->declaration().endsWork);

  // Next stays shut until the window is answered; then it opens the second window.
  click("BNext");
  EXPECT_EQ(active(), first);
  answerAll(first);
  EXPECT_EQ(QApplication::focusWidget(), main->findChild<QWidget*>("BNext"));
  script({60});
  click("BNext");
  ExperimentWindow* second = active();
  ASSERT_TRUE(second && second != first);
  EXPECT_EQ(second->objectName(), "Form30_2");
  EXPECT_EQ(second->errorLimit(), 5);
  EXPECT_TRUE(second->declaration().endsWork);

  // Back shows the first window as it was left, Next the same second window again.
  click("BBack");
  EXPECT_EQ(active(), first);
  EXPECT_TRUE(first->edit(1)->isReadOnly());
  click("BNext");
  EXPECT_EQ(active(), second);

  // The last answer completes the work: focus on Menu, which then ends it without asking.
  answerAll(second);
  EXPECT_EQ(QApplication::focusWidget(), main->findChild<QWidget*>("BMenu"));
  EXPECT_TRUE(main->work().WorkDone);
  // F1 opens the work's topic; the help lists the declared topics only.
  QApplication::setActiveWindow(main.get());
  main->showHelp();
  EXPECT_EQ(main->helpViewer()->currentContext(), 12);
  EXPECT_EQ(main->helpViewer()->contexts(), (QList<int>{111, 12}));
  main->helpViewer()->close();

  click("BMenu");
  EXPECT_TRUE(messages.asked.isEmpty());
  EXPECT_EQ(messages.last(), "Лабораторная работа выполнена!");
  EXPECT_TRUE(main->findChild<QWidget*>("Panel1")->isVisible());
  flushDeletes();
  EXPECT_TRUE(main->children().isEmpty());
}
