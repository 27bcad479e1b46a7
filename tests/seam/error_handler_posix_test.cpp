// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "seam/command_dispatch.h"
#include "seam/error_handler.h"
#include "support/ascii_case.h"
#include "support/platform/file_io.h"
#include "tests/support/helpers/error_handler_fixture.h"

namespace murax {
namespace {

using testing::ErrorHandlerTest;

// Linux refuses a path longer than it takes (ENAMETOOLONG): the user gets the path message, and
// the program goes on.
TEST_F(ErrorHandlerTest, ANameLongerThanTheSystemTakesIsAPathNotFound)
{
    ERRORSYS(app);
    const std::string tooLong = "/" + std::string(5000, 'n');
    EXPECT_TRUE(dispatchCommand(app, [&] { readFile(tooLong); }));
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, "Percorso " + asciiUpper(tooLong) + " non trovato.");
}

}  // namespace
}  // namespace murax
