#include <gtest/gtest.h>

#include <iconv.h>

#include <cstdint>
#include <set>
#include <string>

#include "tape/display_charset.h"

namespace murax {
namespace {

// The character the C library's own Windows-1252 table gives `byte`, or 0 where it has none:
// a table written apart from ours to check ours against.
char32_t libraryWindows1252(unsigned char byte)
{
    const iconv_t converter = iconv_open("UTF-32LE", "CP1252");
    if (converter == reinterpret_cast<iconv_t>(-1))
        return 0;
    char in = static_cast<char>(byte);
    std::uint32_t out = 0;
    char* inPointer = &in;
    char* outPointer = reinterpret_cast<char*>(&out);
    std::size_t inLeft = 1, outLeft = sizeof out;
    const std::size_t converted = iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft);
    iconv_close(converter);
    return converted == static_cast<std::size_t>(-1) ? 0 : static_cast<char32_t>(out);
}

bool windows1252Prints(unsigned byte)
{
    return (byte >= 0x20 && byte != 0x7F && byte < 0x80) || byte >= 0xA0
           || (byte >= 0x80 && byte != 0x81 && byte != 0x8D && byte != 0x8F && byte != 0x90
               && byte != 0x9D);
}

TEST(DisplayCharset, BytesThatWindows1252PrintsShowAsItsCharacters)
{
    ASSERT_EQ(libraryWindows1252(0x80), U'\u20AC') << "the C library has no Windows-1252 table";
    for (unsigned byte = 0; byte < 256; ++byte) {
        if (!windows1252Prints(byte))
            continue;
        EXPECT_EQ(displayCharForByte(static_cast<unsigned char>(byte)),
                  libraryWindows1252(static_cast<unsigned char>(byte)))
            << "byte " << byte;
    }
    EXPECT_EQ(displayCharForByte(0xE9), U'\u00E9');
    EXPECT_EQ(displayCharForByte(0x07), U'\u25E6');
}

TEST(DisplayCharset, EveryOtherByteHasAVisibleStandInOfItsOwn)
{
    std::set<char32_t> shown;
    for (unsigned byte = 0; byte < 256; ++byte)
        shown.insert(displayCharForByte(static_cast<unsigned char>(byte)));
    EXPECT_EQ(shown.size(), 256u) << "two bytes show as the same character";

    for (unsigned byte = 0; byte < 256; ++byte) {
        if (windows1252Prints(byte))
            continue;
        const char32_t c = displayCharForByte(static_cast<unsigned char>(byte));
        // Neither a control character nor a character of the code page itself.
        EXPECT_GE(c, 0x100u) << "byte " << byte;
        EXPECT_FALSE((c >= 0x80 && c < 0xA0)) << "byte " << byte;
    }
}

TEST(DisplayCharset, EveryByteComesBackFromItsCharacterAndNothingElseIsTaken)
{
    for (unsigned byte = 0; byte < 256; ++byte) {
        const auto back = byteForDisplayChar(displayCharForByte(static_cast<unsigned char>(byte)));
        ASSERT_TRUE(back.has_value()) << "byte " << byte;
        EXPECT_EQ(*back, byte);
    }
    EXPECT_EQ(byteForDisplayChar(U'\u20AC'), 0x80);
    EXPECT_EQ(byteForDisplayChar(U'\u00C0'), 0xC0);
    for (const char32_t stray : {U'\u0000', U'\u0007', U'\u0081', U'\u009D', U'\u4E2D', U'\u2400'})
        EXPECT_FALSE(byteForDisplayChar(stray).has_value()) << std::hex << static_cast<std::uint32_t>(stray);
}

TEST(DisplayCharset, TextKeepsOneCharacterPerByte)
{
    std::string all;
    for (unsigned byte = 0; byte < 256; ++byte)
        all += static_cast<char>(byte);
    const std::string text = bytesToDisplayUtf8(all);
    std::size_t characters = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++characters;
    EXPECT_EQ(characters, 256u);
    EXPECT_EQ(bytesToDisplayUtf8("A\xE9\x80"), "A\u00E9\u20AC");
}

}  // namespace
}  // namespace murax
