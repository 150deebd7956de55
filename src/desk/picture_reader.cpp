#include "picture_reader.h"

#include <wincodec.h>
#include <wrl/client.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "desk_error.h"
#include "exif_orientation.h"
#include "file_bytes.h"
#include "orientation.h"
#include "texts.h"

namespace tezun::desk {
namespace {

using Microsoft::WRL::ComPtr;

// A picture the plug-in is to lay on a screen has no business being bigger than this: 256 MiB of
// pixels, which a 32-bit process can still find in one piece beside the screen-sized result. A
// larger one is refused by its size before a byte of it is decoded.
constexpr uint64_t kLargestPictureBytes = uint64_t{256} << 20;
constexpr uint32_t kLargestSide = 32767;  // what GDI's bitmaps take

class Reading {
 public:
  explicit Reading(const std::wstring& path) : path_(path) {}

  [[noreturn]] void Fail(const std::wstring& reason) const { throw UnreadablePicture(path_, reason); }

  void Check(HRESULT result) const {
    if (SUCCEEDED(result)) return;
    switch (result) {
      case WINCODEC_ERR_COMPONENTNOTFOUND:
      case WINCODEC_ERR_UNKNOWNIMAGEFORMAT:
      case WINCODEC_ERR_UNSUPPORTEDPIXELFORMAT:
        Fail(Wide(kNotAPicture));
      case HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND):
      case HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND):
        Fail(Wide(kNoSuchFile));
      case E_OUTOFMEMORY:
        // Some decoders hold the whole picture before they tell its size.
        Fail(Wide(kTooLarge));
      default:
        Fail(Wide(kDamagedPicture) + L"\n" + ErrorText(static_cast<unsigned long>(result)));
    }
  }

 private:
  const std::wstring& path_;
};

}  // namespace

Bitmap TopDownDib(uint32_t width, uint32_t height, WORD bitCount, void** bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = static_cast<LONG>(width);
  info.bmiHeader.biHeight = -static_cast<LONG>(height);
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = bitCount;
  info.bmiHeader.biCompression = BI_RGB;
  return Bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0));
}

Bitmap DecodePicture(const std::vector<uint8_t>& file, const std::wstring& path) {
  const Reading reading(path);
  if (file.empty()) reading.Fail(Wide(kNotAPicture));

  ComPtr<IWICImagingFactory> factory;
  reading.Check(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory)));
  ComPtr<IWICStream> stream;
  reading.Check(factory->CreateStream(&stream));
  reading.Check(stream->InitializeFromMemory(const_cast<BYTE*>(file.data()), static_cast<DWORD>(file.size())));
  ComPtr<IWICBitmapDecoder> decoder;
  reading.Check(factory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand, &decoder));
  ComPtr<IWICBitmapFrameDecode> frame;
  reading.Check(decoder->GetFrame(0, &frame));  // a GIF's first frame, a TIFF's first page
  PictureSize stored;
  reading.Check(frame->GetSize(&stored.width, &stored.height));
  const uint64_t bytes = uint64_t{stored.width} * stored.height * 4;
  if (stored.width == 0 || stored.height == 0) reading.Fail(Wide(kDamagedPicture));
  if (stored.width > kLargestSide || stored.height > kLargestSide || bytes > kLargestPictureBytes) {
    reading.Fail(Wide(kTooLarge) + L": " + std::to_wstring(stored.width) + L" x " + std::to_wstring(stored.height));
  }

  ComPtr<IWICBitmapSource> pixels;
  reading.Check(WICConvertBitmapSource(GUID_WICPixelFormat32bppBGR, frame.Get(), &pixels));
  const uint32_t orientation = ExifOrientation(file.data(), std::min(file.size(), kExifSearchBytes));
  const PictureSize seen = OrientedSize(stored, orientation);
  void* bits = nullptr;
  Bitmap bitmap = TopDownDib(seen.width, seen.height, 32, &bits);
  if (!bitmap) reading.Fail(Wide(kNoMemory));
  const UINT storedStride = stored.width * 4;
  if (!Reorients(orientation)) {
    reading.Check(pixels->CopyPixels(nullptr, storedStride, static_cast<UINT>(bytes), static_cast<BYTE*>(bits)));
    return bitmap;
  }
  std::vector<uint32_t> decoded;
  try {
    decoded.resize(static_cast<size_t>(bytes / 4));
  } catch (const std::bad_alloc&) {
    reading.Fail(Wide(kNoMemory));
  }
  reading.Check(
      pixels->CopyPixels(nullptr, storedStride, static_cast<UINT>(bytes), reinterpret_cast<BYTE*>(decoded.data())));
  Reorient(decoded.data(), stored, orientation, static_cast<uint32_t*>(bits), seen.width);
  return bitmap;
}

Bitmap ReadPicture(const std::wstring& path) { return DecodePicture(ReadWholeFile(path), path); }

}  // namespace tezun::desk
