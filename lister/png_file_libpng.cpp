// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lister/png_file.h"

#include <csetjmp>
#include <vector>

#include <png.h>

namespace murax::lister {
namespace {

struct Output {
    std::string* bytes;
    std::string* error;
};

void appendBytes(png_structp png, png_bytep data, png_size_t length)
{
    auto* output = static_cast<Output*>(png_get_io_ptr(png));
    output->bytes->append(reinterpret_cast<const char*>(data), length);
}

void flushNothing(png_structp) {}

void reportError(png_structp png, png_const_charp message)
{
    auto* output = static_cast<Output*>(png_get_error_ptr(png));
    *output->error = message;
    png_longjmp(png, 1);
}

}  // namespace

bool pngAvailable()
{
    return true;
}

bool encodePng(const ScreenPicture& picture, std::string& png, std::string& error)
{
    png.clear();
    Output output{&png, &error};
    png_structp writer =
        png_create_write_struct(PNG_LIBPNG_VER_STRING, &output, reportError, nullptr);
    if (!writer) {
        error = "libpng could not start";
        return false;
    }
    png_infop info = png_create_info_struct(writer);
    // Rows of RGB: the picture's alpha is always opaque.
    std::vector<png_byte> row(3u * kScreenWidth);
    if (!info || setjmp(png_jmpbuf(writer))) {
        if (error.empty())
            error = "libpng could not start";
        png_destroy_write_struct(&writer, &info);
        png.clear();
        return false;
    }
    png_set_write_fn(writer, &output, appendBytes, flushNothing);
    png_set_IHDR(writer, info, kScreenWidth, kScreenHeight, 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(writer, info);
    for (int y = 0; y < kScreenHeight; ++y) {
        const std::uint8_t* in = picture.rgba.data() + 4u * kScreenWidth * static_cast<unsigned>(y);
        for (int x = 0; x < kScreenWidth; ++x)
            for (int c = 0; c < 3; ++c)
                row[3u * static_cast<unsigned>(x) + static_cast<unsigned>(c)] =
                    in[4u * static_cast<unsigned>(x) + static_cast<unsigned>(c)];
        png_write_row(writer, row.data());
    }
    png_write_end(writer, nullptr);
    png_destroy_write_struct(&writer, &info);
    return true;
}

}  // namespace murax::lister
