// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model_draws.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <vector>

#include "framework/numtext.h"
#include "framework/random.h"
#include "student.h"

namespace draws {
namespace {

std::vector<Row>& rows() {
  static std::vector<Row> r;
  return r;
}

// The random seam with a fixed seed; re-seeding does nothing, so one seed reproduces a run.
class SeededSource : public rnd::Source {
 public:
  explicit SeededSource(unsigned seed) : gen_(seed) {}
  void reseed() override {}
  int range(int a, int b) override {
    if (b < a) std::swap(a, b);
    if (a == b) return a;
    return std::uniform_int_distribution<int>(a, b - 1)(gen_);
  }

 private:
  std::mt19937 gen_;
};

int envInt(const char* name, int fallback) {
  bool ok = false;
  const int v = qEnvironmentVariableIntValue(name, &ok);
  return ok ? v : fallback;
}

}  // namespace

bool add(Row row) {
  rows().push_back(std::move(row));
  return true;
}

void Probe::fail(QAnyStringView what, const QString& detail) {
  if (++failures_ > 5) return;
  ADD_FAILURE() << row_.toStdString() << ", draw " << draw_ << ": " << what.toString().toStdString() << ": "
                << detail.toStdString();
}

void Probe::value(QAnyStringView what, double v) {
  if (!std::isfinite(v)) fail(what, QStringLiteral("not finite (%1)").arg(v));
}

void Probe::pixel(QAnyStringView what, int x, int y, QSize bitmap) {
  if (x < 0 || y < 0 || x >= bitmap.width() || y >= bitmap.height())
    fail(what, QStringLiteral("(%1, %2) outside %3 x %4").arg(x).arg(y).arg(bitmap.width()).arg(bitmap.height()));
}

void Probe::answer(QAnyStringView what, const Acceptance& rule, double truth, double fromScreen, int maxLength) {
  value(what, truth);
  value(what.toString() + QStringLiteral(" from the screen"), fromScreen);
  if (!rule.accepts(truth))
    fail(what,
         QStringLiteral("true value %1 outside its rule [%2, %3]").arg(truth, 0, 'g', 17).arg(rule.lo).arg(rule.hi));
  const QString typed = typedForm(fromScreen, maxLength);
  const auto v = numtext::StrToFloat(typed);
  if (!v || !rule.accepts(*v))
    fail(what, QStringLiteral("worked out from the screen as %1, typed \"%2\", refused by [%3, %4] (true %5)")
                   .arg(fromScreen, 0, 'g', 17)
                   .arg(typed)
                   .arg(rule.lo, 0, 'g', 17)
                   .arg(rule.hi, 0, 'g', 17)
                   .arg(truth, 0, 'g', 17));
}

double Probe::shown(QAnyStringView what, const QString& text) {
  // Either separator may start the fraction; StrToFloat decides whether it is the locale's.
  static const QRegularExpression number(QStringLiteral("^\\s*([+-]?[0-9]*([.,][0-9]*)?(E[+-]?[0-9]+)?)"));
  const auto m = number.match(text);
  const auto v = m.hasMatch() ? numtext::StrToFloat(m.captured(1)) : std::nullopt;
  if (!v) {
    fail(what, QStringLiteral("shown text \"%1\" has no number").arg(text));
    return 0;
  }
  return *v;
}

TEST(ModelDraws, EveryModelThroughRandomDraws) {
  const int override = envInt("LUMEQ_DRAWS", 0);
  const auto seed =
      static_cast<unsigned>(envInt("LUMEQ_DRAWS_SEED", static_cast<int>(QRandomGenerator::global()->bounded(1 << 30))));
  std::printf("model draws: seed %u (LUMEQ_DRAWS_SEED; LUMEQ_DRAWS sets the draws per model)\n", seed);
  auto previous = rnd::install(std::make_unique<SeededSource>(seed));
  for (const Row& row : rows()) {
    const int count = override > 0 ? override : row.count;
    QElapsedTimer clock;
    clock.start();
    int n = 0;
    for (; n < count; ++n) {
      Probe p(row.name, n);
      row.draw(p);
      if (p.failed()) break;
    }
    std::printf("model draws: %s: %d draws in %lld ms%s\n", qPrintable(row.name), n, clock.elapsed(),
                n < count ? " (stopped at a fault)" : "");
  }
  rnd::install(std::move(previous));
}

}  // namespace draws
