// Pictures on disk through the Windows Imaging Component: PNG, BMP or JPEG in, PNG or BMP out.
#pragma once

#include <windows.h>

#include <string>

namespace tezunhost {

// Initialises COM for the calling thread while it lives.
class ComApartment {
 public:
  ComApartment();
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  ~ComApartment();
};

// The picture as a 24-bit device-independent bitmap, owned by the caller, as a host hands one over.
HBITMAP ReadPicture(const std::wstring& path);

// Writes any bitmap as PNG or BMP, chosen by the file's extension. The file is written beside the
// target and renamed over it, so a failure never leaves a half-written picture.
void WritePicture(HBITMAP bitmap, const std::wstring& path);

}  // namespace tezunhost
