// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "seam/png_encoder.h"

#include <gtest/gtest.h>

#include "tests/fakes/fake_png_encoder.h"

namespace murax {
namespace {

TEST(PngEncoder, APictureWhoseBytesDoNotMatchItsSizeIsNeverHandedOn)
{
    testing::FakePngEncoder encoder;
    struct Case {
        int width, height;
        std::size_t bytes;
    };
    for (const Case& c : {Case{2, 2, 15}, Case{2, 2, 17}, Case{0, 4, 0}, Case{4, 0, 0},
                          Case{-1, -2, 8}, Case{1, 1, 0}})
        EXPECT_EQ(encoder.encode(c.width, c.height, std::vector<std::uint8_t>(c.bytes, 7)), "")
            << c.width << "x" << c.height << ", " << c.bytes << " bytes";
    EXPECT_EQ(encoder.encode(1, 2, {1, 2, 3, 4, 5, 6, 7, 8}), "png 1x2:\1\2\3\4\5\6\7\x08");
}

}  // namespace
}  // namespace murax
