// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Numbers as the student sees and types them. Everything shown on screen goes through
// FloatToStr, everything typed goes through StrToFloat, both with the locale's decimal
// separator (which the program reads but never changes).
#include <QChar>
#include <QString>
#include <optional>

namespace numtext {

// Shortest general form with at most 15 significant digits: 0.1 -> "0.1",
// 1e-7 -> "1E-7", 123456789012345678 -> "1.23456789012346E17". Negative zero shows as "0".
QString FloatToStr(double v);

// Whole text must be a finite decimal number (optional sign, digits with the locale's
// separator, optional exponent); leading and trailing blanks are ignored.
std::optional<double> StrToFloat(const QString& text);

// Whole text must be a whole number: optional sign and digits only (no separator, no
// exponent, no blanks between digits); leading and trailing blanks are ignored.
std::optional<long long> StrToInt(const QString& text);

// A plain cut of the text to its first n characters; a number in exponent form keeps its
// exponent and loses digits of its mantissa instead ("1.23456E-6" cut to 4 is "1.23E-6").
QString cut(const QString& text, int n);

// FloatToStr followed by cut: the usual way a value lands in a label.
inline QString FloatCut(double v, int n) { return cut(FloatToStr(v), n); }

// A fixed number text written in the source with a point ("-1.5707"), shown with the
// locale's separator like every computed number.
QString local(QString text);

QChar decimalSeparator();
// For tests and for platforms whose locale the program should follow explicitly.
void setDecimalSeparator(QChar sep);
// Back to the separator of the user's locale.
void useLocaleSeparator();

}  // namespace numtext

using numtext::FloatToStr;
using numtext::StrToFloat;
