// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Follows a store for the teacher's window on a thread of its own: every second the events
// added since the last read are read in batches and handed over, so the window never waits
// for the database and takes only what is new.
#include <QObject>
#include <QThread>
#include <memory>
#include <utility>
#include <vector>

#include "record/event.h"

class QTimer;
namespace record {
class ClassReader;
}

using EventBatch = std::vector<std::pair<qint64, record::Event>>;
Q_DECLARE_METATYPE(EventBatch)

class TeacherFeed : public QObject {
  Q_OBJECT
 public:
  TeacherFeed(const QString& localPath, const QString& classUrl, int intervalMs = 1000);
  ~TeacherFeed() override;
  // Reads at once, then every intervalMs (connect to the signals first).
  void start();

 signals:
  void arrived(const EventBatch& events);  // in the store's order, a batch at a time
  void failed(const QString& why);         // in the running language; reading goes on trying
  void caughtUp();                         // everything the store had is handed over

 private:
  class Worker;
  QThread thread_;
  Worker* worker_ = nullptr;
};
