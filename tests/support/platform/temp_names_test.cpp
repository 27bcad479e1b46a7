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

// The name for a date and the hundredths of a second since midnight.
std::string tempName(const char* date, const char* hundredths)
{
    return std::string("\x7F") + date + hundredths;
}

// The date, then the hundredths of a second since midnight, the milliseconds rounded to the
// nearest hundredth.
TEST(TemporaryName, DateThenHundredthsSinceMidnight)
{
    const struct {
        LocalTime time;
        std::string name;
    } cases[] = {
        {{2024, 3, 15, 12, 32, 3, 70}, tempName("20240315", "4512307")},
        {{2024, 3, 15, 0, 0, 0, 0}, tempName("20240315", "0")},
        {{1999, 12, 31, 23, 59, 59, 990}, tempName("19991231", "8639999")},
        {{2024, 1, 2, 0, 0, 1, 0}, tempName("20240102", "100")},
        {{2024, 3, 15, 0, 0, 0, 4}, tempName("20240315", "0")},
        {{2024, 3, 15, 0, 0, 0, 5}, tempName("20240315", "1")},
        {{2024, 3, 15, 0, 0, 3, 74}, tempName("20240315", "307")},
        {{2024, 3, 15, 0, 0, 3, 75}, tempName("20240315", "308")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(temporaryNameAt(c.time), c.name)
            << c.time.second << " s " << c.time.millisecond << " ms";
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
