#include "picture_files.h"

#include <wincodec.h>
#include <wrl/client.h>

#include <cstdint>
#include <cstdio>
#include <vector>

#include "graphics/gdi_handles.h"
#include "host_error.h"

namespace tezunhost {
namespace {

using Microsoft::WRL::ComPtr;

void Check(HRESULT result, const std::string& what) {
  if (SUCCEEDED(result)) return;
  char code[16];
  std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(result));
  throw HostError(what + " (HRESULT " + code + ")");
}

ComPtr<IWICImagingFactory> ImagingFactory() {
  ComPtr<IWICImagingFactory> factory;
  Check(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory)),
        "cannot start the Windows Imaging Component");
  return factory;
}

BITMAPINFO TopDown24(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

uint64_t Stride24(uint64_t width) { return (width * 3 + 3) / 4 * 4; }

GUID ContainerFor(const std::wstring& path) {
  const size_t dot = path.find_last_of(L'.');
  const std::wstring extension = dot == std::wstring::npos ? L"" : path.substr(dot);
  if (_wcsicmp(extension.c_str(), L".png") == 0) return GUID_ContainerFormatPng;
  if (_wcsicmp(extension.c_str(), L".bmp") == 0) return GUID_ContainerFormatBmp;
  throw HostError("cannot write " + Utf8(path) + ": the name must end in .png or .bmp");
}

// A file that is removed again unless it was kept.
class TemporaryFile {
 public:
  explicit TemporaryFile(std::wstring path) : path_(std::move(path)) {}
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    if (!kept_) DeleteFileW(path_.c_str());
  }
  const std::wstring& path() const { return path_; }
  void Keep() { kept_ = true; }

 private:
  std::wstring path_;
  bool kept_ = false;
};

void Encode(IWICImagingFactory& factory, const GUID& container, const std::wstring& path, UINT width, UINT height,
            UINT stride, std::vector<BYTE>& pixels) {
  const std::string what = "cannot write " + Utf8(path);
  ComPtr<IWICStream> stream;
  Check(factory.CreateStream(&stream), what);
  Check(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE), what);
  ComPtr<IWICBitmapEncoder> encoder;
  Check(factory.CreateEncoder(container, nullptr, &encoder), what);
  Check(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache), what);
  ComPtr<IWICBitmapFrameEncode> frame;
  ComPtr<IPropertyBag2> options;
  Check(encoder->CreateNewFrame(&frame, &options), what);
  Check(frame->Initialize(options.Get()), what);
  Check(frame->SetSize(width, height), what);
  WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
  Check(frame->SetPixelFormat(&format), what);
  if (format != GUID_WICPixelFormat24bppBGR) throw HostError(what + ": the encoder takes no 24-bit pixels");
  Check(frame->WritePixels(height, stride, static_cast<UINT>(pixels.size()), pixels.data()), what);
  Check(frame->Commit(), what);
  Check(encoder->Commit(), what);
}

}  // namespace

ComApartment::ComApartment() { Check(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), "cannot initialise COM"); }
ComApartment::~ComApartment() { CoUninitialize(); }

HBITMAP ReadPicture(const std::wstring& path) {
  if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) throw HostError("no such file: " + Utf8(path));
  const std::string what = "cannot read picture " + Utf8(path);
  auto factory = ImagingFactory();
  ComPtr<IWICBitmapDecoder> decoder;
  Check(
      factory->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand, &decoder),
      what);
  ComPtr<IWICBitmapFrameDecode> frame;
  Check(decoder->GetFrame(0, &frame), what);
  ComPtr<IWICBitmapSource> pixels;
  Check(WICConvertBitmapSource(GUID_WICPixelFormat24bppBGR, frame.Get(), &pixels), what);
  UINT width = 0, height = 0;
  Check(pixels->GetSize(&width, &height), what);
  const uint64_t stride = Stride24(width);
  if (width == 0 || height == 0 || width > INT32_MAX || stride * height > UINT32_MAX) {
    throw HostError(what + ": unusable size " + std::to_string(width) + " x " + std::to_string(height));
  }

  const BITMAPINFO info = TopDown24(static_cast<int>(width), static_cast<int>(height));
  void* bits = nullptr;
  tezun::BitmapHandle bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap) throw HostError(what + ": no memory for " + std::to_string(width) + " x " + std::to_string(height));
  Check(pixels->CopyPixels(nullptr, static_cast<UINT>(stride), static_cast<UINT>(stride * height),
                           static_cast<BYTE*>(bits)),
        what);
  return bitmap.release();
}

void WritePicture(HBITMAP bitmap, const std::wstring& path) {
  const GUID container = ContainerFor(path);
  BITMAP shape{};
  if (!bitmap || !GetObjectW(bitmap, sizeof shape, &shape)) throw HostError("the plug-in returned no bitmap");
  const UINT width = static_cast<UINT>(shape.bmWidth), height = static_cast<UINT>(shape.bmHeight);
  const uint64_t stride = Stride24(width);
  std::vector<BYTE> pixels(stride * height);
  BITMAPINFO info = TopDown24(shape.bmWidth, shape.bmHeight);
  HDC screen = GetDC(nullptr);
  const int rows = GetDIBits(screen, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  if (rows != static_cast<int>(height)) throw HostError("cannot read the pixels of the plug-in's bitmap");

  TemporaryFile temporary(path + L".partial");
  auto factory = ImagingFactory();
  Encode(*factory.Get(), container, temporary.path(), width, height, static_cast<UINT>(stride), pixels);
  if (!MoveFileExW(temporary.path().c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
    throw HostError("cannot write " + Utf8(path) + " (error " + std::to_string(GetLastError()) + ")");
  }
  temporary.Keep();
}

}  // namespace tezunhost
