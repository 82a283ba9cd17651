// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Next, Back and Menu: moving along the chain of experiment windows of a work.
#include <QApplication>

#include "main_window.h"
#include "program.h"

void Main::BNextClick() {
  if (Busy) return;
  ExperimentWindow* active = activeChild();
  if (!active) return;
  const NextRow* row = catalogue_->nextRowFrom(active->objectName());
  if (!row || !work_.completed(row->from)) return;

  if (!row->repeat) {
    if (row->resetCounter && !findWindow(row->to)) work_.startRuns();
    setUpdatesEnabled(false);  // no half-built window on screen
    open(row->to);
    setUpdatesEnabled(true);
    return;
  }
  // The frequency experiments run again with fresh data until their sixth, closing run: the
  // window asks its work for the next one.
  active->nextRun();
}

void Main::BBackClick() {
  if (Busy) return;
  ExperimentWindow* active = activeChild();
  if (!active) return;
  const NextRow* row = catalogue_->openRowTo(active->objectName());
  if (!row) return;
  // A predecessor closed by its own close box is simply not there to show.
  if (auto* previous = findWindow(row->from)) showChild(previous);
}

void Main::BMenuClick() {
  // A click during a trace does nothing at all: no message, no flag touched.
  if (Busy) return;
  if (work_.WorkDone) {
    messages().info(tr("Лабораторная работа выполнена!"));
    work_.WorkDone = false;
  } else if (!messages().confirm(tr("Результаты работ будут сброшены\n\rПерейти в главное меню?"))) {
    return;
  }
  journal_.workLeft();
  BNext->setEnabled(true);
  BBack->setEnabled(true);
  closeAllWindows();
  restoreStartScreen();
}

void Main::closeAllWindows() {
  // Last child first. Closing frees a window once control is back in the event loop, so a
  // window may ask for this from inside its own handler.
  const auto list = children();
  for (auto it = list.rbegin(); it != list.rend(); ++it) (*it)->close();
  refs_.clear();
  lastActivated_ = nullptr;
}

void Main::restartWork(const QString& firstForm) {
  // Menu without the question, then the work's button: never two instances of a window.
  BNext->setEnabled(true);
  BBack->setEnabled(true);
  closeAllWindows();
  open(firstForm);
}

void Main::restoreStartScreen() {
  Panel1->show();
  Label1->show();
  Panel2->hide();
  setWindowTitle(Caption);
  QApplication::restoreOverrideCursor();
  unsetCursor();
}
