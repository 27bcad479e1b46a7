// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/temp_names.h"
#include "seam/app_context.h"
#include "tests/fakes/fake_desktop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

namespace murax {
namespace {

TEST(TemporaryName, DateThenHundredthsSinceMidnight)
{
    EXPECT_EQ(temporaryNameAt({2024, 3, 15, 12, 32, 3, 70}),
              "\x7F"
              "20240315"
              "4512307");
    EXPECT_EQ(temporaryNameAt({2024, 3, 15, 0, 0, 0, 0}),
              "\x7F"
              "20240315"
              "0");
    EXPECT_EQ(temporaryNameAt({1999, 12, 31, 23, 59, 59, 990}),
              "\x7F"
              "19991231"
              "8639999");
    EXPECT_EQ(temporaryNameAt({2024, 1, 2, 0, 0, 1, 0}),
              "\x7F"
              "20240102"
              "100");
}

TEST(TemporaryName, MillisecondsRoundToTheNearestHundredth)
{
    EXPECT_EQ(temporaryNameAt({2024, 3, 15, 0, 0, 0, 4}),
              "\x7F"
              "20240315"
              "0");
    EXPECT_EQ(temporaryNameAt({2024, 3, 15, 0, 0, 0, 5}),
              "\x7F"
              "20240315"
              "1");
    EXPECT_EQ(temporaryNameAt({2024, 3, 15, 0, 0, 3, 74}),
              "\x7F"
              "20240315"
              "307");
    EXPECT_EQ(temporaryNameAt({2024, 3, 15, 0, 0, 3, 75}),
              "\x7F"
              "20240315"
              "308");
}

TEST(TemporaryName, ConsecutiveNamesDifferAndGrow)
{
    testing::FakeDesktop fake;
    EXPECT_TRUE(AppContext(fake).ACS_TEMP.empty());
    const std::string first = GETNEWFNAME();
    const std::string second = GETNEWFNAME();
    ASSERT_NE(first, second);
    for (const std::string& name : {first, second}) {
        ASSERT_GE(name.size(), 10u);
        ASSERT_LE(name.size(), 16u);
        EXPECT_EQ(name[0], '\x7F');
        EXPECT_TRUE(std::all_of(name.begin() + 1, name.end(), [](unsigned char c) {
            return std::isdigit(c);
        })) << name;
    }
    const std::string firstDate = first.substr(1, 8), secondDate = second.substr(1, 8);
    if (firstDate == secondDate)
        EXPECT_LT(std::stol(first.substr(9)), std::stol(second.substr(9)));
    else
        EXPECT_LT(firstDate, secondDate);
}

}  // namespace
}  // namespace murax
