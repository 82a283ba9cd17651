// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What an experiment window needs of the main window: the busy flag, the work being played,
// the command bar with the pointer readout, the pacing step, the message service and the other
// windows of its work. The main window implements it; experiment windows see nothing else of it.
#include <QString>

#include "played_work.h"

class ExperimentWindow;
class MessageService;
class QWidget;

struct ReadoutText {
  QString xName, xValue;  // e.g. "h = ", "1.05."
  QString yName, yValue;  // e.g. "t = ", "0.5 c;"
  bool yGreek = false;    // the second name is Symbol-font text (φ)
};

class Host {
 public:
  virtual ~Host() = default;

  // A trace is running: the command bar does nothing.
  bool Busy = false;
  // The work being played (run count, completion flags).
  virtual PlayedWork& work() = 0;

  virtual MessageService& messages() = 0;
  // The pacing step: with animation on, handle pending events, then sleep 10 ms.
  virtual void pace() = 0;
  // True once the program is closing: running traces stop.
  virtual bool closing() const = 0;

  virtual void showCommandBar() = 0;
  virtual void showReadout(bool visible) = 0;
  // Names and "???" values of a freshly activated readout.
  virtual void resetReadout(const QString& xName, const QString& yName, bool yGreek = false) = 0;
  virtual void setReadout(const ReadoutText& text) = 0;
  virtual void setReadoutLocked(bool locked) = 0;
  // The readout group used to show a window's parameters instead of pointer coordinates:
  // its caption and both rows. The next resetReadout gives the group back to the pointer.
  virtual void showParameters(const QString& caption, const ReadoutText& text) = 0;

  virtual void focusNext() = 0;
  virtual void focusMenu() = 0;
  virtual void enableBack(bool on) = 0;
  // Ends the running work without asking and starts it again at its first window (windows
  // that restart their work at an error limit use this).
  virtual void restartWork(const QString& firstForm) = 0;

  // The live window of the given object name, if it exists (windows of one work read each
  // other's data through this).
  virtual ExperimentWindow* findWindow(const QString& form) const = 0;
  // Shows the window of that name again, or creates it when it does not exist (a window that
  // restarts its work at an earlier window than the first).
  virtual ExperimentWindow* open(const QString& form) = 0;
  // A window that is going away (closed by its own close box) tells the host first.
  virtual void windowClosing(ExperimentWindow* w) = 0;

  // What the answer protocol tells the record of the work (the teacher's journal). `field`
  // is the 0-based answer field; -1 is a question answered with a button. WindowDone: the
  // window's last answer was accepted; WorkDone: the work's completed flag was set.
  enum class AnswerEvent { Accepted, Wrong, BadFormat, Regenerated, WindowDone, WorkDone };
  virtual void report(const QString& form, AnswerEvent event, int field = -1) { (void)form, (void)event, (void)field; }
  // A window drew its data: the draw (its seed, what it took from other windows) and a
  // fingerprint of the answers it expects, for the record and a later replay.
  virtual void reportDraw(const QString& form, const Draw& draw, const QString& fingerprint) {
    (void)form, (void)draw, (void)fingerprint;
  }
  // The same for an answer box, with the text as the student typed it.
  virtual void reportTyped(const QString& form, AnswerEvent event, int field, const QString& typed) {
    (void)typed;
    report(form, event, field);
  }
};
