// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Random parameter draws through the models of the works. A section adds one row per model:
//
//   LUMEQ_MODEL_DRAWS("integrating step", [](draws::Probe& p) { ...one draw and its checks... });
//
// Every test program with rows runs each row LUMEQ_DRAWS times (default: the row's count,
// 1000 unless a costly row says fewer; the deep CTest run sets 10 000) through the
// program's random seam, seeded (LUMEQ_DRAWS_SEED, printed), and stops a row at its first
// faulty draw.
#include <QAnyStringView>
#include <QSize>
#include <QString>
#include <functional>

#include "framework/acceptance.h"

namespace draws {

class Probe {
 public:
  Probe(QString row, int draw) : row_(std::move(row)), draw_(draw) {}

  // A number the window computes or shows: finite.
  void value(QAnyStringView what, double v);
  // A point drawn on a bitmap of the given size: inside it.
  void pixel(QAnyStringView what, int x, int y, QSize bitmap);
  // A field: its true value lies inside its rule, and the same answer worked out from the
  // numbers as the window shows them, typed into a box of maxLength characters, is accepted.
  void answer(QAnyStringView what, const Acceptance& rule, double truth, double fromScreen, int maxLength);
  // The number a shown text starts with ("0,35 c" -> 0.35); a failure when there is none.
  double shown(QAnyStringView what, const QString& text);

  bool failed() const { return failures_ > 0; }

 private:
  void fail(QAnyStringView what, const QString& detail);

  QString row_;
  int draw_;
  int failures_ = 0;
};

struct Row {
  QString name;
  std::function<void(Probe&)> draw;
  int count = 1000;  // draws per quick run (LUMEQ_DRAWS overrides every row)
};

// Registers a row; returns true so that it can initialise a static.
bool add(Row row);

}  // namespace draws

#define LUMEQ_DRAWS_JOIN2(a, b) a##b
#define LUMEQ_DRAWS_JOIN(a, b) LUMEQ_DRAWS_JOIN2(a, b)
#define LUMEQ_MODEL_DRAWS(name, ...) \
  [[maybe_unused]] static const bool LUMEQ_DRAWS_JOIN(lumeqDrawRow, __LINE__) = ::draws::add({name, __VA_ARGS__})
