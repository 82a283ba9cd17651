// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "numtext.h"

#include <QLocale>
#include <charconv>
#include <cmath>

namespace numtext {
namespace {

QChar systemSeparator() {
  const QString point = QLocale::system().decimalPoint();
  return point.isEmpty() ? QChar('.') : point.at(0);
}

QChar& separatorSlot() {
  static QChar sep = systemSeparator();
  return sep;
}

// Strips the zeros a fixed-precision conversion leaves behind the last significant digit.
std::string trimMantissa(std::string m) {
  if (m.find('.') == std::string::npos) return m;
  while (!m.empty() && m.back() == '0') m.pop_back();
  if (!m.empty() && m.back() == '.') m.pop_back();
  return m;
}

// std::to_chars never consults the C library's locale, so the digits come out the same
// whatever locale QApplication installed; the separator is put in afterwards.
std::string chars(double v, std::chars_format f, int precision) {
  char buf[400];
  const auto res = std::to_chars(buf, buf + sizeof buf, v, f, precision);
  return std::string(buf, res.ptr);
}

}  // namespace

QChar decimalSeparator() { return separatorSlot(); }
void setDecimalSeparator(QChar sep) { separatorSlot() = sep; }
void useLocaleSeparator() { separatorSlot() = systemSeparator(); }

QString FloatToStr(double v) {
  if (std::isnan(v)) return QStringLiteral("NAN");
  if (std::isinf(v)) return v > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
  if (v == 0.0) return QStringLiteral("0");

  // Round to 15 significant digits first; the exponent of the rounded value decides the form.
  const std::string sci = chars(v, std::chars_format::scientific, 14);
  const auto epos = sci.find('e');
  const int exponent = std::stoi(sci.substr(epos + 1));
  std::string text;
  if (exponent >= 15 || exponent < -5) {
    text = trimMantissa(sci.substr(0, epos)) + "E" + std::to_string(exponent);
  } else {
    text = trimMantissa(chars(v, std::chars_format::fixed, std::max(0, 14 - exponent)));
  }
  QString out = QString::fromStdString(text);
  if (decimalSeparator() != QChar('.')) out.replace(QChar('.'), decimalSeparator());
  return out;
}

namespace {
bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
// The end of the run of ASCII digits that starts at i.
qsizetype digitsFrom(const QString& s, qsizetype i) {
  while (i < s.size() && isDigit(s[i])) ++i;
  return i;
}
qsizetype signFrom(const QString& s, qsizetype i) {
  return i < s.size() && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-')) ? i + 1 : i;
}
}  // namespace

std::optional<double> StrToFloat(const QString& text) {
  const QString t = text.trimmed();
  // [+-] digits [sep digits] | [+-] sep digits, then an optional exponent [eE][+-]digits.
  const QChar sep = decimalSeparator();
  qsizetype i = signFrom(t, 0);
  const qsizetype whole = digitsFrom(t, i);
  bool digits = whole > i;
  i = whole;
  if (i < t.size() && t[i] == sep) {
    const qsizetype fraction = digitsFrom(t, i + 1);
    digits = digits || fraction > i + 1;
    i = fraction;
  }
  if (!digits) return std::nullopt;
  if (i < t.size() && (t[i] == QLatin1Char('e') || t[i] == QLatin1Char('E'))) {
    const qsizetype from = signFrom(t, i + 1), to = digitsFrom(t, from);
    if (to == from) return std::nullopt;
    i = to;
  }
  if (i != t.size()) return std::nullopt;
  QString plain = t;
  plain.replace(sep, QChar('.'));
  if (plain.startsWith('+')) plain.remove(0, 1);
  const std::string s = plain.toStdString();
  double v = 0;
  const auto res = std::from_chars(s.data(), s.data() + s.size(), v);
  if (res.ec != std::errc() || res.ptr != s.data() + s.size() || !std::isfinite(v)) return std::nullopt;
  return v;
}

std::optional<long long> StrToInt(const QString& text) {
  // [+-] and one to eighteen ASCII digits: always within a long long.
  const QString t = text.trimmed();
  const qsizetype from = signFrom(t, 0), to = digitsFrom(t, from);
  if (to != t.size() || to == from || to - from > 18) return std::nullopt;
  return t.toLongLong();
}

QString local(QString text) { return text.replace(QChar('.'), decimalSeparator()); }

QString cut(const QString& text, int n) {
  // A value in exponent form keeps its exponent: only the mantissa is cut.
  const qsizetype e = text.indexOf(QChar('E'));
  if (e < 0 || text.size() <= n) return text.left(std::max(0, n));
  QString mantissa = text.left(std::min<qsizetype>(e, std::max(1, n)));
  if (mantissa.endsWith(decimalSeparator())) mantissa.chop(1);
  return mantissa + text.mid(e);
}

}  // namespace numtext
