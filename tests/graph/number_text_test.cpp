#include "graph/number_text.h"

#include <gtest/gtest.h>

namespace kavel {
namespace {

TEST(NumberText, FixedPlacesRoundTheDecimalHalfToEven) {
  struct Case {
    double v;
    int decimals;
    const char* text;
  } cases[] = {
      {0.35, 1, "0.4"},     {0.25, 1, "0.2"},     {0.15, 1, "0.2"},    {-0.04, 1, "0.0"},
      {12, 1, "12.0"},      {-2, 1, "-2.0"},      {9.96, 1, "10.0"},   {1234.5, 0, "1234"},
      {1235.5, 0, "1236"},  {19999.6, 0, "20000"}, {0.05, 1, "0.0"},   {-12.05, 1, "-12.0"},
      {0.2999999999999999, 1, "0.3"}, {148, 0, "148"},
  };
  for (const Case& c : cases) EXPECT_EQ(formatFixed(c.v, c.decimals), c.text) << c.v;
}

TEST(NumberText, GeneralAndTruncatedForms) {
  EXPECT_EQ(formatGeneral(1.4), "1.4");
  EXPECT_EQ(formatGeneral(2), "2");
  EXPECT_EQ(formatGeneral(0.1 + 0.2), "0.3");
  EXPECT_EQ(formatTruncated(1000.7), "1000");
  EXPECT_EQ(formatTruncated(19.999999), "19");
  EXPECT_EQ(formatTruncated(-3.9), "-3");
}

TEST(NumberText, NumericTextAndItsLeadingNumber) {
  for (const char* t : {"12", " 1.5 ", "-3", "+4", "1e3", ".5", "5."}) {
    EXPECT_TRUE(isNumeric(t)) << t;
  }
  for (const char* t : {"", " ", "abc", "1.2.3", "12abc", "1,5", "-", "e5"}) {
    EXPECT_FALSE(isNumeric(t)) << t;
  }
  EXPECT_EQ(leadingNumber("12abc"), 12);
  EXPECT_EQ(leadingNumber("abc"), 0);
  EXPECT_EQ(leadingNumber("  -3.5x"), -3.5);
  EXPECT_EQ(leadingNumber("1e3"), 1000);
  EXPECT_EQ(leadingNumber("2e"), 2);
}

}  // namespace
}  // namespace kavel
