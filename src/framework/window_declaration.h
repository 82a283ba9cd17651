// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the catalogue says of one window, handed to the window when it is built: its name, its
// place in its work, its work's title, its help topic and its error limit. A window reads these
// instead of restating them.
#include <QString>
#include <QStringList>

#include "i18n/language.h"

// How a window writes its counter: "Задание №2 из 4", or with a space after the sign,
// "Задание № 2 из 4", as some sections have always written it.
enum class Counter { Tight, Spaced };

struct WindowDeclaration {
  QString form;       // the object name (Form<topic>_<n>), unique in the program
  QString firstForm;  // the first window of its work
  int index = 1;      // its place in the work: window `index` of `count`
  int count = 1;
  QStringList work;               // the names of its work's windows in order (window n is work[n - 1])
  language::Text title{};         // its work's own title; none for the numbered labs of a section
  int workNumber = 1;             // its work's place among its section's works
  bool endsWork = false;          // its last answer completes the work
  bool activateOnRepeat = false;  // a repeated experiment: each further run also runs FormActivate
  int helpContext = 0;            // the topic F1 opens
  int errorLimit = 3;             // wrong answers after which the data are drawn anew
  // What the error limit draws anew: the window's own data, or the whole work from its first
  // window (a window that reads its data from an earlier one).
  enum class Regenerates { Window, Work } regenerates = Regenerates::Window;

  // The counter of its task panel in the running language: window `index` of `count`.
  QString counter(Counter spacing = Counter::Tight) const;
  // How the journal names its work in the running language: the work's title, or "Лаб №n" by
  // its place in its section.
  QString workTitle() const;
};
