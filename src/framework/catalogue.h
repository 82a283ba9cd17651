// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a section declares of itself, in its own folder: its button on the start screen and its
// works, each with its button on the section's panel, its help topic and its windows in order
// (with their error limits). The program builds its menu, its window registry and the Next/Back
// rows from these declarations and keeps no table of works of its own.
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <vector>

#include "window_registry.h"

struct WindowEntry {
  QString form;  // object name, Form<topic>_<n>
  WindowRegistry::Factory make;
  int errorLimit = 3;  // wrong answers after which the data are drawn anew
  // What the limit draws anew: the window's data, or the work from its first window.
  WindowDeclaration::Regenerates regenerates = WindowDeclaration::Regenerates::Window;
};

struct WorkEntry {
  QString button;  // its button on the section's panel, also the name of its picture
  int top = 0;     // the button's top on the panel
  int helpContext = 0;
  // What the journal calls it, marked with QT_TRANSLATE_NOOP; a section whose works are
  // numbered labs leaves it out, and the journal says "Лаб №n" by the work's place.
  language::Text title{};
  // In order: Next leads from each window to the following one, Back returns.
  std::vector<WindowEntry> windows;
  // The last window is a repeated experiment: Next runs it again with fresh data, counting the
  // runs from 1 (the count is reset when the window is first opened).
  bool repeatsLast = false;
  bool activateOnRepeat = false;  // a repeat also runs FormActivate
  // The last window's last answer completes the work (Menu then ends it without asking) and
  // hands the focus to Menu. Off for works whose last window completes the work itself (the
  // frequency runs, the lag links) or leaves Menu to ask (stability).
  bool lastEndsWork = true;
};

struct SectionEntry {
  int number = 0;            // its button is Button<number>; the start screen lists the sections by it
  const char* caption = "";  // Russian source, marked for translation in the "Main" context
  int panel = 0;             // the works' buttons stand on Panel<panel>; 0: the button opens its one work
  std::vector<WorkEntry> works;
};

// Which window follows which. Next finds the row whose From is the active window; Back
// shows the From of the row whose To is the active window.
struct NextRow {
  QString from;
  QString to;                     // equal to `from` for the repeated frequency experiments
  bool repeat = false;            // run the same window again with fresh data
  bool resetCounter = false;      // RepeatCount := 1 before the window is created
  bool activateOnRepeat = false;  // the repeat also runs FormActivate
};

// The start screen's section buttons and the work buttons of each panel.
struct SectionButton {
  QString name;         // Button1 ... Button9
  const char* caption;  // Russian source, marked for translation in the "Main" context
  QString panel;        // work panel shown, empty for the single-window sections
  QString form;         // window opened directly when there is no panel
};

struct WorkButton {
  QString panel;
  QString name;  // also the name of its picture
  int top;
  QString form;  // first window of the work
};

class Catalogue {
 public:
  explicit Catalogue(std::vector<SectionEntry> sections);

  const std::vector<SectionEntry>& sections() const { return sections_; }
  // Every declared window, made with its declaration (window_declaration.h).
  const WindowRegistry& windows() const { return windows_; }

  const std::vector<NextRow>& nextRows() const { return next_; }
  const NextRow* nextRowFrom(const QString& form) const;
  // The row of kind open that leads to `form` (its predecessor), if any.
  const NextRow* openRowTo(const QString& form) const;

  const std::vector<SectionButton>& sectionButtons() const { return sectionButtons_; }
  const std::vector<WorkButton>& workButtons() const { return workButtons_; }
  // Panel names in the order the main window creates them.
  const QStringList& workPanels() const { return panels_; }

  // What is wrong with the declarations themselves, one line each naming the declaration: a
  // window name declared twice (the registry would keep only the last), two sections on one
  // button or one panel, two works on one button, a work without windows, a single-window
  // section with other than one work. The program adds what its start screen and its help
  // require (app/program.h).
  const QStringList& problems() const { return problems_; }

 private:
  std::vector<SectionEntry> sections_;
  WindowRegistry windows_;
  std::vector<NextRow> next_;
  std::vector<SectionButton> sectionButtons_;
  std::vector<WorkButton> workButtons_;
  QStringList panels_;
  QStringList problems_;
};

// The object name of window n of the works numbered `topic`, Form<topic>_<n>: for a section
// that declares its windows from a table of its own.
QString formName(int topic, int n);

// "section 3 (Составные динамические звенья)", "work B6 of section 3 (…)": how a problem
// names the declaration it was found in.
QString describe(const SectionEntry& s);
QString describe(const SectionEntry& s, const WorkEntry& w);
