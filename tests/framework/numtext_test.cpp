// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

#include "framework/acceptance.h"
#include "framework/numtext.h"
#include "framework/random.h"

using namespace numtext;

class NumberText : public ::testing::TestWithParam<char> {
 protected:
  void SetUp() override { setDecimalSeparator(GetParam()); }
  void TearDown() override { setDecimalSeparator('.'); }
  QString d(const char* s) const { return QString::fromLatin1(s).replace('.', QChar(GetParam())); }
};

TEST_P(NumberText, ShortestFormWithFifteenDigits) {
  EXPECT_EQ(FloatToStr(0.1), d("0.1"));
  EXPECT_EQ(FloatToStr(0.07225), d("0.07225"));
  EXPECT_EQ(FloatToStr(M_PI / 2), d("1.5707963267949"));
  EXPECT_EQ(FloatToStr(-M_PI / 2), d("-1.5707963267949"));
  EXPECT_EQ(FloatToStr(0.5), d("0.5"));
  EXPECT_EQ(FloatToStr(2.0), "2");
  EXPECT_EQ(FloatToStr(1.0 / 3), d("0.333333333333333"));
  EXPECT_EQ(FloatToStr(0.1 + 0.2), d("0.3"));  // 15 digits hide the binary noise
  EXPECT_EQ(FloatToStr(1e-7), "1E-7");
  EXPECT_EQ(FloatToStr(0.00001), d("0.00001"));
  EXPECT_EQ(FloatToStr(-2.5e-6), d("-2.5E-6"));
  EXPECT_EQ(FloatToStr(123456789012345678.0), d("1.23456789012346E17"));
  EXPECT_EQ(FloatToStr(123456789012345.0), "123456789012345");
  EXPECT_EQ(FloatToStr(-0.0), "0");
  EXPECT_EQ(FloatToStr(0.0), "0");
}

TEST_P(NumberText, ExponentFormKeepsItsExponentWhenCut) {
  EXPECT_EQ(cut(FloatToStr(1.23456e-6), 4), d("1.23E-6"));
  EXPECT_EQ(cut(FloatToStr(-2.5e-7), 2), "-2E-7");  // no dangling separator
  EXPECT_EQ(cut(FloatToStr(1e-6), 5), "1E-6");
  EXPECT_EQ(cut(FloatToStr(0.123456), 4), d("0.12"));
}

TEST_P(NumberText, ParsesOnlyTheLocaleSeparator) {
  EXPECT_EQ(StrToFloat(d("0.5")), 0.5);
  EXPECT_EQ(StrToFloat(d("-1.57")), -1.57);
  EXPECT_EQ(StrToFloat(d(".5")), 0.5);
  EXPECT_EQ(StrToFloat(d("1.")), 1.0);
  EXPECT_EQ(StrToFloat(d(" 2.5e-1 ")), 0.25);
  EXPECT_EQ(StrToFloat("+3"), 3.0);
  EXPECT_EQ(StrToFloat("-0"), 0.0);
  const char other = GetParam() == '.' ? ',' : '.';
  EXPECT_FALSE(StrToFloat(QStringLiteral("0") + QChar(other) + QStringLiteral("5")));
  for (const char* bad : {"", "abc", "1..2", "--1", "1e", "e5", "inf", "nan", "0x10", "1 2", "1e999"})
    EXPECT_FALSE(StrToFloat(d(bad))) << bad;
}

TEST_P(NumberText, ShownTextParsesBackToTheSameValue) {
  for (double v : {0.1, 0.07225, M_PI / 2, 0.67, 1.0 / 0.67, -0.072250000001})
    EXPECT_NEAR(*StrToFloat(FloatToStr(v)), v, std::abs(v) * 1e-14);
}

INSTANTIATE_TEST_SUITE_P(Separators, NumberText, ::testing::Values('.', ','));

TEST(WholeNumbers, OnlyDigitsWithAnOptionalSign) {
  EXPECT_EQ(StrToInt("150000"), 150000);
  EXPECT_EQ(StrToInt(" -42 "), -42);
  EXPECT_EQ(StrToInt("+7"), 7);
  for (const char* bad : {"", "150 000", "150000.", "150000.0", "150000,0", "1.5e5", "1e5", "abc", "--1"})
    EXPECT_FALSE(StrToInt(bad)) << bad;
}

TEST(NumberCut, IsAPlainCut) {
  EXPECT_EQ(cut("1.5707963267949", 7), "1.57079");
  EXPECT_EQ(cut("-0.07225", 6), "-0.072");
  EXPECT_EQ(cut("0.5", 6), "0.5");
}

TEST(AcceptanceRule, BandBoundsAreInclusiveToTheUlp) {
  for (double a : {0.37, 1.0, 2.0, -0.1, -1.234, 1e-3}) {
    const Acceptance r = Acceptance::band(a);
    const double lo = std::min(0.95 * a, 1.05 * a), hi = std::max(0.95 * a, 1.05 * a);
    EXPECT_TRUE(r.accepts(lo)) << a;
    EXPECT_TRUE(r.accepts(hi)) << a;
    EXPECT_TRUE(r.accepts(a)) << a;
    EXPECT_FALSE(r.accepts(std::nextafter(lo, -1e9))) << a;
    EXPECT_FALSE(r.accepts(std::nextafter(hi, 1e9))) << a;
  }
  // Negative answers: the band is ordered by sign.
  EXPECT_TRUE(Acceptance::band(-0.1).accepts(-0.105));
  EXPECT_TRUE(Acceptance::band(-0.1).accepts(-0.095));
  EXPECT_FALSE(Acceptance::band(-0.1).accepts(0.1));
}

TEST(AcceptanceRule, OtherKinds) {
  const Acceptance asym = Acceptance::band(1.0, 0.94, 1.05);
  EXPECT_TRUE(asym.accepts(0.94));
  EXPECT_FALSE(asym.accepts(0.9399999));
  EXPECT_TRUE(asym.accepts(1.05));

  const Acceptance exact = Acceptance::exact(0.67);
  setDecimalSeparator('.');
  EXPECT_TRUE(exact.accepts(*StrToFloat("0.67")));
  useLocaleSeparator();
  EXPECT_FALSE(exact.accepts(0.68));
  EXPECT_FALSE(exact.accepts(std::nextafter(0.67, 1)));

  const Acceptance zero = Acceptance::band(0.0);
  EXPECT_TRUE(zero.accepts(0.0));
  EXPECT_TRUE(zero.accepts(-0.0));
  EXPECT_FALSE(zero.accepts(0.001));

  const Acceptance phase = minusHalfPiBand();
  EXPECT_TRUE(phase.accepts(-1.57));
  EXPECT_TRUE(phase.accepts(-1.6493358));
  EXPECT_TRUE(phase.accepts(-1.4922562));
  EXPECT_FALSE(phase.accepts(-1.65));
  EXPECT_FALSE(phase.accepts(1.57));
}

TEST(RandomDraws, UpperBoundIsNeverDrawn) {
  rnd::ClockSource s;
  s.reseed();
  int lo = 1000, hi = -1;
  for (int i = 0; i < 20000; ++i) {
    const int r = s.range(10, 100);
    lo = std::min(lo, r);
    hi = std::max(hi, r);
  }
  EXPECT_EQ(lo, 10);
  EXPECT_EQ(hi, 99);
  EXPECT_EQ(s.range(500, 500), 500);
}

TEST(RandomDraws, ScriptedSourceHandsOutItsScriptThenFallsBack) {
  rnd::ScriptedSource s;
  s.push({50, 7});
  EXPECT_EQ(s.range(10, 100), 50);
  EXPECT_EQ(s.range(10, 100), 7);
  const int r = s.range(10, 100);
  EXPECT_GE(r, 10);
  EXPECT_LT(r, 100);
}

// The C library's numeric locale (which QApplication takes from the environment) must not
// reach the digits: under a comma locale the text was once "0,700000000000000".
TEST(NumberTextLocale, DigitsDoNotDependOnTheProcessLocale) {
  const std::string before = std::setlocale(LC_NUMERIC, nullptr);
  if (!std::setlocale(LC_NUMERIC, "ru_RU.UTF-8")) GTEST_SKIP() << "ru_RU.UTF-8 not available";
  setDecimalSeparator(',');
  EXPECT_EQ(FloatToStr(0.7), "0,7");
  EXPECT_EQ(FloatToStr(8.01), "8,01");
  EXPECT_EQ(FloatToStr(-1.5707963267949), "-1,5707963267949");
  EXPECT_EQ(cut(FloatToStr(1e-6 / 3), 5), "3,333E-7");
  EXPECT_EQ(StrToFloat("0,7"), 0.7);
  std::setlocale(LC_NUMERIC, before.c_str());
  useLocaleSeparator();
}

TEST(NumText, OnlyAsciiDigitsAreNumbers) {
  // Digits of other scripts are a format error, never a silent zero.
  EXPECT_EQ(StrToInt(QString::fromUtf8("٣")), std::nullopt);
  EXPECT_EQ(StrToFloat(QString::fromUtf8("٣")), std::nullopt);
  EXPECT_EQ(StrToInt(QStringLiteral("+123456789012345678")), 123456789012345678LL);
  EXPECT_EQ(StrToInt(QStringLiteral("1234567890123456789")), std::nullopt);
  EXPECT_EQ(StrToInt(QStringLiteral("-")), std::nullopt);
}
