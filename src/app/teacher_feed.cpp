// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher_feed.h"

#include <QTimer>

#include "record/class_reader.h"
#include "teacher_data.h"

class TeacherFeed::Worker : public QObject {
 public:
  Worker(TeacherFeed* feed, QString path, QString url, int interval)
      : feed_(feed), path_(std::move(path)), url_(std::move(url)), interval_(interval) {}

  void start() {
    reader_ = std::make_unique<record::ClassReader>(path_, url_);
    timer_ = new QTimer(this);
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, [this] { poll(); });
    poll();
  }
  void stop() {
    delete timer_;
    timer_ = nullptr;
    reader_.reset();  // the connection belongs to this thread
  }

 private:
  void poll() {
    // Small batches: the window takes each between its own events.
    constexpr int Batch = 4000;
    for (;;) {
      auto got = reader_->next(Batch);
      if (!got) {
        if (reader_->problem() != lastProblem_) emit feed_->failed(teacher::problemText(*reader_));
        lastProblem_ = reader_->problem();
        break;
      }
      if (lastProblem_ != record::ClassReader::Problem::None) emit feed_->failed({});
      lastProblem_ = record::ClassReader::Problem::None;
      if (!got->empty()) emit feed_->arrived(*got);
      if (!reader_->more()) {
        if (!caughtUp_) emit feed_->caughtUp();
        caughtUp_ = true;
        break;
      }
    }
    if (timer_) timer_->start(interval_);
  }

  TeacherFeed* feed_;
  QString path_, url_;
  int interval_;
  std::unique_ptr<record::ClassReader> reader_;
  QTimer* timer_ = nullptr;
  record::ClassReader::Problem lastProblem_ = record::ClassReader::Problem::None;
  bool caughtUp_ = false;
};

TeacherFeed::TeacherFeed(const QString& localPath, const QString& classUrl, int intervalMs) {
  qRegisterMetaType<EventBatch>();
  worker_ = new Worker(this, localPath, classUrl, intervalMs);
  worker_->moveToThread(&thread_);
  connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
}

void TeacherFeed::start() {
  if (thread_.isRunning()) return;
  thread_.start();
  QMetaObject::invokeMethod(
      worker_, [w = worker_] { w->start(); }, Qt::QueuedConnection);
}

TeacherFeed::~TeacherFeed() {
  if (!thread_.isRunning()) {
    delete worker_;
    return;
  }
  QMetaObject::invokeMethod(
      worker_, [w = worker_] { w->stop(); }, Qt::BlockingQueuedConnection);
  thread_.quit();
  thread_.wait();
}
