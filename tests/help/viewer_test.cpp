// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The help viewer: history within the run, word search over the topics, font size; and, when
// LUMEQ_HELP_SHOTS names a folder, pictures of a few topics for a look by eye.
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <gtest/gtest.h>

#include "help/help_viewer.h"
#include "support/language_guard.h"

TEST(HelpViewer, BackAndForwardWalkTheTopicsSeen) {
  HelpViewer v(nullptr);
  EXPECT_FALSE(v.canGoBack());
  v.showTopic(111);
  v.showTopic(12);
  v.showTopic(12);  // the same topic again is not a new step
  v.showTopic(7);
  v.back();
  EXPECT_EQ(v.currentContext(), 12);
  v.back();
  EXPECT_EQ(v.currentContext(), 111);
  EXPECT_FALSE(v.canGoBack());
  v.back();
  EXPECT_EQ(v.currentContext(), 111);
  v.forward();
  EXPECT_EQ(v.currentContext(), 12);
  // A new topic after going back drops the topics ahead.
  v.showTopic(91);
  EXPECT_FALSE(v.canGoForward());
  v.back();
  EXPECT_EQ(v.currentContext(), 12);
  // A click in the contents list is a step of the history too.
  auto* list = v.findChild<QListWidget*>();
  list->setCurrentRow(v.contexts().indexOf(5));
  EXPECT_EQ(v.currentContext(), 5);
  v.back();
  EXPECT_EQ(v.currentContext(), 12);
}

TEST(HelpViewer, SearchListsTheTopicsHoldingEveryWord) {
  HelpViewer v(nullptr);
  v.findChild<QLineEdit*>()->setText(QStringLiteral("Гурвица"));
  EXPECT_EQ(v.listedContexts(), QList<int>{6});
  v.search(QStringLiteral("кратных   полюсов"));
  EXPECT_EQ(v.listedContexts(), (QList<int>{91, 92, 93}));
  v.search(QStringLiteral("ЗАПАЗДЫВАНИЯ"));
  EXPECT_TRUE(v.listedContexts().contains(21));
  v.search(QStringLiteral("нетакогословавсправке"));
  EXPECT_TRUE(v.listedContexts().isEmpty());
  v.search(QString());
  EXPECT_EQ(v.listedContexts(), v.contexts());
}

TEST(HelpViewer, FontSizeFollowsTheZoomKeys) {
  HelpViewer v(nullptr);
  v.showTopic(11);
  QApplication::setActiveWindow(&v);
  const double start = v.fontPointSize();
  QTest::keyClick(&v, Qt::Key_Equal, Qt::ControlModifier);
  EXPECT_GT(v.fontPointSize(), start);
  QTest::keyClick(&v, Qt::Key_Minus, Qt::ControlModifier);
  QTest::keyClick(&v, Qt::Key_Minus, Qt::ControlModifier);
  EXPECT_LT(v.fontPointSize(), start);
  for (int i = 0; i < 30; ++i) v.zoomOut();
  EXPECT_GT(v.fontPointSize(), 3);  // stays legible
}

TEST(HelpViewer, ShotsOfTopicsWhenAsked) {
  const QString dir = qEnvironmentVariable("LUMEQ_HELP_SHOTS");
  if (dir.isEmpty()) GTEST_SKIP() << "set LUMEQ_HELP_SHOTS to a folder to take the pictures";
  QDir().mkpath(dir);
  HelpViewer v(nullptr);
  v.resize(1000, 720);
  for (int context : {12, 7, 91, 111, 6, 13}) {
    v.showTopic(context);
    QTest::qWait(50);
    auto* text = v.findChild<QTextBrowser*>();
    // The viewer as it opens, then the whole topic as one long page.
    EXPECT_FALSE(v.currentTitle().isEmpty()) << context;
    EXPECT_TRUE(v.grab().save(QStringLiteral("%1/topic_%2.png").arg(dir).arg(context))) << context;
    const int height = int(text->document()->size().height()) + 40;
    text->setMinimumHeight(height);
    v.resize(1000, height + 80);
    QTest::qWait(50);
    EXPECT_TRUE(v.grab().save(QStringLiteral("%1/topic_%2_full.png").arg(dir).arg(context))) << context;
    text->setMinimumHeight(0);
    v.resize(1000, 720);
  }
}

// The viewer follows the language while open: its own controls, the contents and the topic shown.
TEST(HelpViewer, SwitchesLanguageWhileOpen) {
  HelpViewer v(nullptr);
  v.showTopic(12);
  const QString russianTitle = v.currentTitle();
  {
    LanguageGuard english(language::Language::English);
    QStringList shown{v.windowTitle(), v.findChild<QLineEdit*>()->placeholderText(), v.currentTitle(),
                      v.findChild<QTextBrowser*>()->toPlainText()};
    for (auto* b : v.findChildren<QToolButton*>()) shown << b->text() << b->toolTip();
    auto* list = v.findChild<QListWidget*>();
    for (int i = 0; i < list->count(); ++i) shown << list->item(i)->text();
    for (const QString& t : shown) EXPECT_FALSE(hasCyrillic(t)) << t.left(80).toStdString();
    EXPECT_EQ(v.currentTitle(), "First-order lag element");
    v.search(QStringLiteral("settling time"));
    EXPECT_TRUE(v.listedContexts().contains(12));
  }
  EXPECT_EQ(v.currentTitle(), russianTitle);
  EXPECT_EQ(v.windowTitle(), "Справка");
}
