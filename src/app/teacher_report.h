// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The teacher's documents: one student's record of one work as the journal writes it (its
// events replayed into a journal), and the class table for paper or PDF.
#include <QString>
#include <memory>
#include <vector>

#include "journal_report.h"
#include "record/class_table.h"

class QTextDocument;
class TeacherModel;

namespace teacher {

// A journal told a run's events again, on the clocks the events were recorded by.
struct Replayed {
  record::Event at;  // the event being told
  journal::Journal journal{journal::Clock{[this] { return at.wall; }, [this] { return at.steadyMs; }}};
  journal::ReportHeader header;
};

// The run's events replayed into a journal, keeping only the attempts at the work whose first
// window is firstForm, with the header the journal's report is written under.
std::unique_ptr<Replayed> replay(const std::vector<record::Event>& run, const QString& firstForm,
                                 const record::StudentRow& row);

// The class table as the view shows it (filter, columns, summary row) in the journal's font.
void fillClassDocument(QTextDocument& doc, const TeacherModel& model);

}  // namespace teacher
