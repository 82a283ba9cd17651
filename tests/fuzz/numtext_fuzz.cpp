// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Number text under arbitrary input: whatever a student types, the parser either refuses it
// or returns a finite value that the formatter shows again without drift, under either
// decimal separator; and a value shown as an accepted answer is accepted when typed back.
// Built as a libFuzzer target with clang's sanitizer build, else driven by seeded_driver.cpp.
#include <QString>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "framework/acceptance.h"
#include "framework/numtext.h"

namespace {

const QString* current = nullptr;  // the input under test, for the report

[[noreturn]] void fail(const char* what, const QString& detail) {
  std::fprintf(stderr, "numtext_fuzz: %s: [%s] (input [%s], separator %c)\n", what, qPrintable(detail),
               current ? qPrintable(*current) : "", numtext::decimalSeparator().toLatin1());
  std::abort();
}

// Values whose 15-digit text neither underflows to a subnormal nor rounds past the largest
// double; the program shows nothing near either end.
bool ordinary(double v) { return v == 0 || (std::fabs(v) >= 1e-300 && std::fabs(v) <= 1e300); }

// Significant digits of a text the parser accepted (mantissa without its leading and
// trailing zeros).
int significantDigits(const QString& t) {
  QString m;
  for (QChar c : t) {
    if (c == 'e' || c == 'E') break;
    if (c.isDigit()) m += c;
  }
  while (m.startsWith('0')) m.remove(0, 1);
  while (m.endsWith('0')) m.chop(1);
  return static_cast<int>(m.size());
}

void checkShown(double v) {
  const QString s = numtext::FloatToStr(v);
  const QChar sep = numtext::decimalSeparator();
  for (QChar c : s)
    if (!(c.isDigit() || c == '-' || c == 'E' || c == sep)) fail("unexpected character in shown text", s);
  if (s == "-0") fail("negative zero shown", s);
  const auto back = numtext::StrToFloat(s);
  if (!back) fail("shown text does not parse", s);
  if (std::fabs(*back - v) > 1e-14 * std::fabs(v)) fail("shown text drifts", s);
  if (numtext::FloatToStr(*back) != s) fail("shown text is not stable", s);
  // The accepted-answer text of a true value passes that value's own band.
  if (!Acceptance::band(v).accepts(*back)) fail("own band refuses the shown text", s);
  for (int n : {1, 4, 5, 6, 7}) numtext::StrToFloat(numtext::FloatCut(v, n));
}

void checkTyped(const QString& text) {
  const QChar sep = numtext::decimalSeparator();
  const QChar other = sep == '.' ? QChar(',') : QChar('.');
  const auto v = numtext::StrToFloat(text);
  // The same keys with the separators exchanged mean the same under the other locale.
  QString swapped = text;
  for (QChar& c : swapped) c = c == sep ? other : (c == other ? sep : c);
  numtext::setDecimalSeparator(other);
  const auto w = numtext::StrToFloat(swapped);
  numtext::setDecimalSeparator(sep);
  if (v.has_value() != w.has_value() || (v && *v != *w)) fail("separators disagree", swapped);
  if (!v) return;
  if (!std::isfinite(*v)) fail("non-finite value accepted", text);
  if (text.contains(other)) fail("foreign separator accepted", text);
  const Acceptance b = Acceptance::band(*v);
  if (!(b.lo <= b.hi) || !b.accepts(*v) || !Acceptance::exact(*v).accepts(*v)) fail("value outside its own band", text);
  if (!ordinary(*v)) return;
  checkShown(*v);
  // Up to 15 significant digits survive the trip through the shown form exactly, so an
  // exact rule on a typed decimal accepts its own shown text.
  if (significantDigits(text) <= 15 && *numtext::StrToFloat(numtext::FloatToStr(*v)) != *v)
    fail("short decimal changed by the shown form", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  numtext::setDecimalSeparator(data[0] & 1 ? QChar(',') : QChar('.'));
  const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
  current = &text;
  checkTyped(text);
  if (size >= 9) {
    double v;
    std::memcpy(&v, data + 1, sizeof v);
    if (std::isfinite(v) && ordinary(v)) checkShown(v);
  }
  current = nullptr;
  numtext::setDecimalSeparator('.');
  return 0;
}
