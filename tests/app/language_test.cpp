// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The language: chosen from the system locale or the command line, switched on the start
// screen; the English start screen holds no Russian word, the Russian one is as it was.
#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QToolButton>

#include "app/program.h"
#include "framework/probe_window.h"
#include "pictures/pictures.h"
#include "support/fixture.h"
#include "support/language_guard.h"
#include "support/layout_check.h"

using language::Language;

TEST(LanguageChoice, SystemLocaleNamesRussianOnlyForRuAndTheBareCLocale) {
  for (const char* name : {"ru_RU.UTF-8", "ru_UA", "ru", "C", "C.UTF-8", "C.utf8", "POSIX", ""})
    EXPECT_EQ(language::fromLocaleName(QString::fromLatin1(name)), Language::Russian) << name;
  for (const char* name : {"en_US.UTF-8", "en_GB", "de_DE@euro", "uk_UA.UTF-8", "fr_FR.ISO-8859-1", "rus_XX"})
    EXPECT_EQ(language::fromLocaleName(QString::fromLatin1(name)), Language::English) << name;
}

TEST(LanguageChoice, EnvironmentFollowsTheMessagesLocaleOrder) {
  const QByteArray saved[] = {qgetenv("LC_ALL"), qgetenv("LC_MESSAGES"), qgetenv("LANG")};
  auto set = [](const char* all, const char* messages, const char* lang) {
    for (auto [var, value] : {std::pair{"LC_ALL", all}, {"LC_MESSAGES", messages}, {"LANG", lang}})
      value ? qputenv(var, value) : qunsetenv(var);
  };
  set("C.UTF-8", nullptr, "en_US.UTF-8");
  EXPECT_EQ(language::fromEnvironment(), Language::Russian);  // LC_ALL overrides LANG
  set(nullptr, "de_DE.UTF-8", "ru_RU.UTF-8");
  EXPECT_EQ(language::fromEnvironment(), Language::English);
  set(nullptr, nullptr, "en_US.UTF-8");
  EXPECT_EQ(language::fromEnvironment(), Language::English);
  EXPECT_EQ(language::atStart({"lumeq", "--lang", "ru"}), Language::Russian);  // the command line wins
  set(nullptr, nullptr, nullptr);
  EXPECT_EQ(language::fromEnvironment(), Language::Russian);
  EXPECT_EQ(language::atStart({"lumeq", "--lang=en"}), Language::English);
  qputenv("LC_ALL", saved[0]);
  qputenv("LC_MESSAGES", saved[1]);
  qputenv("LANG", saved[2]);
  for (const char* var : {"LC_ALL", "LC_MESSAGES", "LANG"})
    if (qgetenv(var).isEmpty()) qunsetenv(var);
}

TEST(LanguageChoice, CommandLineNamesOnlyKnownLanguages) {
  EXPECT_EQ(language::fromArguments({"lumeq", "--lang", "en"}), Language::English);
  EXPECT_EQ(language::fromArguments({"lumeq", "--lang=RU"}), Language::Russian);
  EXPECT_EQ(language::fromArguments({"lumeq", "--lang", "en", "--lang", "ru"}), Language::Russian);  // the last one
  EXPECT_EQ(language::fromArguments({"lumeq", "--lang", "de"}), std::nullopt);
  EXPECT_EQ(language::fromArguments({"lumeq", "--lang"}), std::nullopt);
  EXPECT_EQ(language::fromArguments({"--lang=en"}), std::nullopt);  // the program's own name
  EXPECT_EQ(language::fromArguments({"lumeq", "en"}), std::nullopt);
}

class LanguageSwitch : public TrainerTest {
 protected:
  LanguageSwitch() : TrainerTest(&probeRegistry()) {}
  ~LanguageSwitch() override { language::set(Language::Russian); }

  // Every text the frame shows or holds ready: captions, buttons, tool tips, the menu bar.
  QStringList texts() const {
    QStringList out{main->windowTitle()};
    for (auto* b : main->findChildren<QAbstractButton*>()) out << b->text() << b->toolTip();
    for (auto* l : main->findChildren<QLabel*>()) out << l->text();
    for (auto* g : main->findChildren<QGroupBox*>()) out << g->title();
    for (auto* a : main->menuBar()->actions()) {
      out << a->text();
      if (a->menu())
        for (auto* item : a->menu()->actions()) out << item->text();
    }
    return out;
  }
  QImage shot() const { return main->grab().toImage(); }
  void click(const QString& name) { QTest::mouseClick(main->control<QAbstractButton>(name), Qt::LeftButton); }
};

TEST_F(LanguageSwitch, EnglishStartScreenHoldsNoRussianWordAndRussianComesBackAsItWas) {
  const QStringList russian = texts();
  const QImage before = shot();
  EXPECT_TRUE(main->control<QToolButton>("LanguageRu")->isChecked());
  // The start screen's texts (section buttons, check box, credits) fit, here and in English.
  const QWidget* frame = main->findChild<QWidget*>(QStringLiteral("Panel1"))->parentWidget();
  EXPECT_TRUE(layoutProblems(frame).isEmpty()) << layoutProblems(frame).join(u'\n').toStdString();

  click("LanguageEn");
  ASSERT_EQ(language::current(), Language::English);
  EXPECT_TRUE(main->control<QToolButton>("LanguageEn")->isChecked());
  for (const QString& t : texts()) EXPECT_FALSE(hasCyrillic(t)) << t.toStdString();
  EXPECT_EQ(main->control<QPushButton>("Button7")->text(), "System type");
  EXPECT_EQ(main->windowTitle(), "Laboratory Trainer. Lumeq");
  EXPECT_TRUE(layoutProblems(frame).isEmpty()) << layoutProblems(frame).join(u'\n').toStdString();
  // The pictures of the work buttons carry their captions in English, and they still fit.
  for (const auto& b : workButtons()) {
    for (const QString& t : pictures::texts(b.name)) EXPECT_FALSE(hasCyrillic(t)) << b.name.toStdString();
    EXPECT_TRUE(pictures::layoutProblems(b.name).isEmpty())
        << b.name.toStdString() << ": " << pictures::layoutProblems(b.name).join(u'\n').toStdString();
  }

  click("LanguageRu");
  EXPECT_EQ(texts(), russian);
  EXPECT_EQ(shot(), before);
}

TEST_F(LanguageSwitch, NextWorkStartedSpeaksTheChosenLanguage) {
  click("LanguageEn");
  ExperimentWindow* w = start("Form1_1");
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(main->control<QPushButton>("BMenu")->text(), "Menu");
  EXPECT_EQ(main->control<QPushButton>("BNext")->text(), "Next");
  EXPECT_EQ(readoutTitle(), "Pointer coordinates");
  type(w, 0, "abc");
  EXPECT_EQ(messages.last(), "Invalid number format!");
  EXPECT_EQ(messages.last(), msg::BadFormat);
  // Menu asks in English and brings back the English start screen.
  messages.answers = {true};
  click("BMenu");
  ASSERT_FALSE(messages.asked.isEmpty());
  EXPECT_EQ(messages.asked.last(), "Your results in this lab will be lost.\n\rReturn to the main menu?");
  EXPECT_EQ(main->windowTitle(), "Laboratory Trainer. Lumeq");
  EXPECT_EQ(main->control<QPushButton>("Button1")->text(), "Standard dynamic elements");
}

TEST_F(LanguageSwitch, SwitchSitsInTheFreeCornerOfTheStartScreen) {
  auto* ru = main->control<QToolButton>("LanguageRu");
  auto* en = main->control<QToolButton>("LanguageEn");
  const QRect both = ru->geometry().united(en->geometry());
  for (auto* w : ru->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (w != ru && w != en && w->isVisible())
      EXPECT_FALSE(w->geometry().intersects(both)) << w->objectName().toStdString();
  EXPECT_TRUE(ru->parentWidget()->rect().contains(both));
}

// The windows whose texts live in tables or setups made once speak the language running when
// each opens, back and forth.
TEST_F(TrainerTest, WindowsOpenInTheLanguageRunningThen) {
  const std::pair<const char*, const char*> titles[] = {
      {"Form6_2", "PI element. Experiment 2"},
      {"Form13_2", "Series compensation of a control system. Experiment 2"},
      {"Form3_3", "Oscillatory element. Experiment 3"}};
  for (Language l : {Language::Russian, Language::English, Language::Russian}) {
    LanguageGuard guard(l);
    for (const auto& [form, english] : titles) {
      std::unique_ptr<ExperimentWindow> w(programWindows().make(form, *main));
      ASSERT_TRUE(w) << form;
      if (l == Language::English)
        EXPECT_EQ(w->windowTitle(), english);
      else
        EXPECT_TRUE(w->windowTitle().contains(QStringLiteral("Опыт №"))) << w->windowTitle().toStdString();
    }
  }
  main->Busy = false;
}
