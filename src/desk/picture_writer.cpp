#include "picture_writer.h"

#include <wincodec.h>
#include <wrl/client.h>

#include <cstdint>
#include <vector>

#include "desk_error.h"
#include "file_bytes.h"

namespace tezun::desk {
namespace {

using Microsoft::WRL::ComPtr;

class Writing {
 public:
  explicit Writing(const std::wstring& path) : path_(path) {}
  [[noreturn]] void Fail(unsigned long code) const { throw UnwritableFile(path_, code); }
  void Check(HRESULT result) const {
    if (FAILED(result)) Fail(static_cast<unsigned long>(result));
  }

 private:
  const std::wstring& path_;
};

// The bitmap's pixels, 24 bits each, rows top to bottom.
std::vector<BYTE> PixelsOf(HBITMAP bitmap, const Writing& writing, UINT& width, UINT& height, UINT& stride) {
  BITMAP shape{};
  if (!bitmap || !GetObjectW(bitmap, sizeof shape, &shape) || shape.bmWidth <= 0 || shape.bmHeight <= 0) {
    writing.Fail(ERROR_INVALID_HANDLE);
  }
  width = static_cast<UINT>(shape.bmWidth);
  height = static_cast<UINT>(shape.bmHeight);
  stride = (width * 3 + 3) / 4 * 4;
  std::vector<BYTE> pixels(static_cast<size_t>(stride) * height);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = shape.bmWidth;
  info.bmiHeader.biHeight = -shape.bmHeight;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  HDC screen = GetDC(nullptr);
  const int rows = GetDIBits(screen, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  if (rows != static_cast<int>(height)) writing.Fail(ERROR_INVALID_DATA);
  return pixels;
}

// The BMP file's bytes, made in memory: the file is then written in one piece.
std::vector<BYTE> EncodeBmp(const std::vector<BYTE>& pixels, UINT width, UINT height, UINT stride,
                            const Writing& writing) {
  ComPtr<IWICImagingFactory> factory;
  writing.Check(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory)));
  ComPtr<IStream> memory;
  writing.Check(CreateStreamOnHGlobal(nullptr, TRUE, &memory));
  ComPtr<IWICBitmapEncoder> encoder;
  writing.Check(factory->CreateEncoder(GUID_ContainerFormatBmp, nullptr, &encoder));
  writing.Check(encoder->Initialize(memory.Get(), WICBitmapEncoderNoCache));
  ComPtr<IWICBitmapFrameEncode> frame;
  ComPtr<IPropertyBag2> options;
  writing.Check(encoder->CreateNewFrame(&frame, &options));
  writing.Check(frame->Initialize(options.Get()));
  writing.Check(frame->SetSize(width, height));
  WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
  writing.Check(frame->SetPixelFormat(&format));
  if (format != GUID_WICPixelFormat24bppBGR)
    writing.Fail(static_cast<unsigned long>(WINCODEC_ERR_UNSUPPORTEDPIXELFORMAT));
  writing.Check(frame->WritePixels(height, stride, static_cast<UINT>(pixels.size()), const_cast<BYTE*>(pixels.data())));
  writing.Check(frame->Commit());
  writing.Check(encoder->Commit());

  STATSTG stat{};
  writing.Check(memory->Stat(&stat, STATFLAG_NONAME));
  std::vector<BYTE> bytes(static_cast<size_t>(stat.cbSize.QuadPart));
  writing.Check(memory->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr));
  ULONG read = 0;
  writing.Check(memory->Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read));
  if (read != bytes.size()) writing.Fail(ERROR_READ_FAULT);
  return bytes;
}

}  // namespace

void WritePicture(HBITMAP bitmap, const std::wstring& path) {
  const Writing writing(path);
  UINT width = 0, height = 0, stride = 0;
  const std::vector<BYTE> pixels = PixelsOf(bitmap, writing, width, height, stride);
  WriteWholeFile(path, EncodeBmp(pixels, width, height, stride, writing));
}

}  // namespace tezun::desk
