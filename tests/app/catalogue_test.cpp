// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue checks itself: the program's declarations hold, and each kind of fault in a
// declaration is reported with the declaration's name instead of showing as a wrong window.
#include <QSet>

#include "app/program.h"
#include "app/start_screen.h"
#include "framework/probe_window.h"
#include "help/help_viewer.h"
#include "help/topics.h"
#include "support/fixture.h"
#include "support/language_guard.h"

namespace {

WindowEntry probe(const QString& form, int errorLimit = 3) {
  return {form,
          [](Host& h, const WindowDeclaration& d) -> ExperimentWindow* {
            return ExperimentWindow::create<ProbeWindow>(h, d);
          },
          errorLimit};
}

// A sound section: its button on the start screen, one work of two windows on its panel.
SectionEntry sound() {
  return {.number = 1,
          .caption = "Раздел",
          .panel = 3,
          .works = {{.button = QStringLiteral("BIntegrZveno"),
                     .top = 16,
                     .helpContext = 11,
                     .windows = {probe(QStringLiteral("Form1_1")), probe(QStringLiteral("Form1_2"))}}}};
}

}  // namespace

TEST(Catalogue, TheProgramsDeclarationsHold) {
  const Catalogue& c = programCatalogue();
  EXPECT_EQ(checkCatalogue(c), QStringList());
  // Every window declared is made under its own name, and Next walks each work in order.
  for (const SectionEntry& s : c.sections())
    for (const WorkEntry& w : s.works)
      for (std::size_t i = 0; i < w.windows.size(); ++i) {
        const QString& form = w.windows[i].form;
        EXPECT_TRUE(c.windows().has(form)) << form.toStdString();
        const NextRow* next = c.nextRowFrom(form);
        if (i + 1 < w.windows.size()) {
          ASSERT_TRUE(next) << form.toStdString();
          EXPECT_EQ(next->to, w.windows[i + 1].form);
        } else if (next) {
          EXPECT_TRUE(next->repeat) << form.toStdString();  // only a repeated run follows a work's last window
        }
      }
  // The help lists every topic file once: none declared without a file, none left unlisted.
  QList<int> listed = helpContents(c);
  std::sort(listed.begin(), listed.end());
  EXPECT_EQ(listed, help::topicFiles());
}

// A window's counter is its place in its work as declared, written as its section writes it;
// its work's title is the work's own, or the work's number in its section.
TEST(Catalogue, ADeclarationGivesTheWindowsPlaceAndItsWorksTitle) {
  const WindowDeclaration* d = programWindows().declaration(QStringLiteral("Form14_3"));
  const WindowDeclaration* lab = programWindows().declaration(QStringLiteral("Form20_3"));
  ASSERT_TRUE(d && lab);
  EXPECT_EQ(d->counter(), "Задание №3 из 3");
  EXPECT_EQ(d->counter(Counter::Spaced), "Задание № 3 из 3");
  EXPECT_EQ(d->workTitle(), "Параллельная коррекция САУ");
  EXPECT_EQ(lab->workTitle(), "Лаб №2");
  const LanguageGuard english(language::Language::English);
  EXPECT_EQ(d->counter(), "Task 3 of 3");
  EXPECT_EQ(d->workTitle(), "Parallel compensation of a control system");
  EXPECT_EQ(lab->workTitle(), "Lab 2");
}

// Each kind of fault once: the report names the declaration and what is wrong with it.
TEST(Catalogue, EachFaultIsReportedWithItsDeclaration) {
  ASSERT_EQ(checkCatalogue(Catalogue({sound()})), QStringList());
  const struct {
    const char* fault;
    std::function<void(std::vector<SectionEntry>&)> spoil;
    const char* reported;
  } cases[] = {
      {"a window name twice", [](auto& s) { s[0].works[0].windows[1].form = QStringLiteral("Form1_1"); },
       "work BIntegrZveno of section 1 (Раздел): window Form1_1 is declared again"},
      {"a section on the Exit button", [](auto& s) { s[0].number = 10; },
       "section 10 (Раздел): its button Button10 is a control of the start screen"},
      {"a tenth section",
       [](auto& s) {
         for (int n = 2; n <= 10; ++n) s.push_back({.number = n + 10, .caption = "Ещё", .panel = 0, .works = {}});
       },
       "section 20 (Ещё): no place for its button Button20 above the animation check box"},
      {"two sections on one panel", [](auto& s) { s.push_back(sound()), s[1].number = 2; },
       "section 2 (Раздел): its Panel3 is already section 1 (Раздел)'s"},
      {"a work button past its panel", [](auto& s) { s[0].works[0].top = 260; },
       "work BIntegrZveno of section 1 (Раздел): its button at 260 runs past its panel (313 high, the button 73)"},
      {"a button without its picture", [](auto& s) { s[0].works[0].button = QStringLiteral("BNoPicture"); },
       "work BNoPicture of section 1 (Раздел): no picture BNoPicture for its button"},
      {"a help topic without its file", [](auto& s) { s[0].works[0].helpContext = 999; },
       "work BIntegrZveno of section 1 (Раздел): no help topic 999 (ru)"},
      {"a work without windows", [](auto& s) { s[0].works[0].windows.clear(); },
       "work BIntegrZveno of section 1 (Раздел): a work without windows"},
  };
  for (const auto& c : cases) {
    std::vector<SectionEntry> sections{sound()};
    c.spoil(sections);
    const QStringList problems = checkCatalogue(Catalogue(std::move(sections)));
    EXPECT_FALSE(problems.filter(QString::fromUtf8(c.reported)).isEmpty())
        << c.fault << ": " << problems.join('\n').toStdString();
  }
}

// A duplicate name does not replace the window declared first.
TEST(Catalogue, ADuplicateKeepsTheFirstWindow) {
  SectionEntry s = sound();
  s.works[0].windows[1] = {QStringLiteral("Form1_1"), nullptr};
  s.works[0].windows[1].make = [](Host&, const WindowDeclaration&) -> ExperimentWindow* { return nullptr; };
  const Catalogue c({s});
  EXPECT_EQ(c.problems().size(), 1);
  EXPECT_TRUE(c.windows().has(QStringLiteral("Form1_1")));
}

// The start screen built from the program's declarations: no control shares its name with
// another (a section or a work button on a name of the frame's own would be found instead of it).
TEST_F(TrainerTest, NoTwoControlsOfTheFrameShareAName) {
  QSet<QString> seen;
  for (QObject* o : main->findChildren<QWidget*>()) {
    if (o->objectName().isEmpty() || qobject_cast<ExperimentWindow*>(o)) continue;
    EXPECT_FALSE(seen.contains(o->objectName())) << o->objectName().toStdString();
    seen.insert(o->objectName());
  }
  for (const QString& name : start_screen::reservedNames())
    EXPECT_TRUE(seen.contains(name) || name == QStringLiteral("Main")) << name.toStdString();
}

// A window made through the declaration carries its work's help topic and its own error limit,
// whatever it was built with.
class Declared : public TrainerTest {
 protected:
  Declared() : TrainerTest(&catalogue().windows()) {}
  static const Catalogue& catalogue() {
    static const Catalogue c({{.number = 1,
                               .caption = "Раздел",
                               .panel = 3,
                               .works = {{.button = QStringLiteral("B1"),
                                          .top = 16,
                                          .helpContext = 42,
                                          .windows = {probe(QStringLiteral("Form1_1"), 5)}}}}});
    return c;
  }
};

TEST_F(Declared, WindowCarriesItsWorksTopicAndItsLimit) {
  ExperimentWindow* w = start("Form1_1");
  ASSERT_TRUE(w);
  EXPECT_EQ(w->helpContext(), 42);
  EXPECT_EQ(w->property("helpContext").toInt(), 42);
  EXPECT_EQ(w->errorLimit(), 5);
}
