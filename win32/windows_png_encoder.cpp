// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32/windows_png_encoder.h"

#include <windows.h>

#include <objbase.h>
#include <wincodec.h>

#include <utility>
#include <vector>

namespace murax {
namespace {

// A COM interface released when it goes.
template <class Interface>
class Held {
public:
    Held() = default;
    ~Held()
    {
        if (pointer_ != nullptr)
            pointer_->Release();
    }
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;
    Interface* operator->() const { return pointer_; }
    Interface* get() const { return pointer_; }
    Interface** out() { return &pointer_; }

private:
    Interface* pointer_ = nullptr;
};

}  // namespace

std::string WindowsPngEncoder::encodeRgba(int width, int height, const std::uint8_t* rgba)
{
    // The imaging component is a COM one; a thread that has COM already keeps it as it is.
    const bool startedCom = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    std::string png;
    {
        Held<IWICImagingFactory> factory;
        Held<IStream> stream;
        Held<IWICBitmapEncoder> encoder;
        Held<IWICBitmapFrameEncode> frame;
        const auto stride = static_cast<UINT>(width) * 4;
        const auto size = stride * static_cast<UINT>(height);
        // Every PNG encoder takes BGRA; not every one RGBA (Wine's does not).
        WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGRA;
        std::vector<BYTE> bgra(rgba, rgba + size);
        for (std::size_t i = 0; i + 3 < bgra.size(); i += 4)
            std::swap(bgra[i], bgra[i + 2]);
        STATSTG stat{};
        bool made =
            SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                       IID_PPV_ARGS(factory.out()))) &&
            SUCCEEDED(CreateStreamOnHGlobal(nullptr, TRUE, stream.out())) &&
            SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.out())) &&
            SUCCEEDED(encoder->Initialize(stream.get(), WICBitmapEncoderNoCache)) &&
            SUCCEEDED(encoder->CreateNewFrame(frame.out(), nullptr)) &&
            SUCCEEDED(frame->Initialize(nullptr)) &&
            SUCCEEDED(frame->SetSize(static_cast<UINT>(width), static_cast<UINT>(height))) &&
            SUCCEEDED(frame->SetPixelFormat(&format))
            // An encoder that cannot take the pixels as they are would need them converted.
            && IsEqualGUID(format, GUID_WICPixelFormat32bppBGRA) &&
            SUCCEEDED(frame->WritePixels(static_cast<UINT>(height), stride, size, bgra.data())) &&
            SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit()) &&
            SUCCEEDED(stream->Stat(&stat, STATFLAG_NONAME));
        if (made) {
            png.resize(static_cast<std::size_t>(stat.cbSize.QuadPart));
            const LARGE_INTEGER start{};
            ULONG read = 0;
            made = SUCCEEDED(stream->Seek(start, STREAM_SEEK_SET, nullptr)) &&
                   SUCCEEDED(stream->Read(png.data(), static_cast<ULONG>(png.size()), &read)) &&
                   read == png.size();
        }
        if (!made)
            png.clear();
    }
    if (startedCom)
        CoUninitialize();
    return png;
}

}  // namespace murax
