// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window with the test seams: scripted random draws, recorded messages with
// scripted Yes/No answers, animation off unless a test turns it on.
#include <QApplication>
#include <QDateTime>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "app/main_window.h"
#include "framework/window_registry.h"
#include "framework/experiment_window.h"
#include "framework/numtext.h"
#include "framework/plot_view.h"
#include "framework/random.h"

// Recorded messages; with `boxes` on, each message is also shown as a real modal box that
// closes itself once it is up, so the focus leaves the window and comes back as it does for
// a student.
class TestMessages : public RecordingMessageService {
 public:
  void info(const QString& text) override;
  bool boxes = false;
};

class TrainerTest : public ::testing::Test {
 protected:
  // The program's works, or those of `catalogue`; `windows` made instead of the catalogue's; the
  // record written through `recorder` when given.
  explicit TrainerTest(const WindowRegistry* windows = nullptr, const Catalogue* catalogue = nullptr,
                       record::Recorder* recorder = nullptr);
  ~TrainerTest() override;

  // Raw RandomRange results handed out in order (e.g. 50 for T = 0.50 from RandomRange(10, 100)/100).
  void script(std::initializer_list<int> draws) { random->push(draws); }
  void pacing(bool on) { main->p->setChecked(on); }

  // Opens a work as its button would and returns its first window.
  ExperimentWindow* start(const QString& form);
  // Runs pending timers and events until the active window's trace has ended.
  void settle(int ms = 0);
  // Types text into answer i of w and presses Enter; a '.' is typed as the locale's separator.
  void type(ExperimentWindow* w, int i, const QString& text);
  ExperimentWindow* active() const { return main->activeChild(); }
  // Clicks the named button of the main window (or a window in it) and settles.
  void click(const char* name);
  // Answers every field of w with the middle of its band, as a student who reads well.
  void answerAll(ExperimentWindow* w);
  template <class W = ExperimentWindow>
  W* window(const QString& form) const {
    return dynamic_cast<W*>(main->findWindow(form));
  }
  // Frees windows whose deletion the event loop deferred.
  static void flushDeletes();
  QString label(const QString& name) const;
  // A mouse move over a plot with the given buttons and modifiers held.
  static void drag(PlotView* v, int x, int y, Qt::MouseButtons b = Qt::LeftButton,
                   Qt::KeyboardModifiers m = Qt::NoModifier);
  QString readoutTitle() const;
  bool readoutShown() const;

  TestMessages messages;
  rnd::ScriptedSource* random = nullptr;
  std::unique_ptr<rnd::Source> previousRandom;
  bool calculatorStarts = false;
  int calculatorCalls = 0;
  // The journal's clocks (the wall clock it shows, the steady one it measures durations on),
  // moved on by the tests; the save dialog's answer (empty: cancelled) and the file it suggested.
  QDateTime now = QDateTime(QDate(2026, 12, 9), QTime(10, 0));
  qint64 steadyMs = 0;
  QString pdfAnswer;
  QString pdfSuggested;
  std::unique_ptr<Main> main;
};

// A number text written with '.', as the student sees it under the running locale.
QString loc(const QString& text);
// Colour of a pixel of a canvas, for plot tests.
inline QColor px(PlotView* v, int x, int y) { return v->canvas().pixel(x, y); }
// True when any pixel of the colour lies within the square of radius r around (x, y).
bool near(PlotView* v, int x, int y, const QColor& c, int r = 1);
