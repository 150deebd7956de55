#include "bench_calls.h"

#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <utility>

#include "graphics/bitmap.h"

namespace tezunhost {

using tezun::BitmapHandle;

BitmapHandle Picture(int width, int height) {
  BitmapHandle bitmap = tezun::CreateBitmap24(width, height);
  DIBSECTION section{};
  GetObjectW(bitmap.get(), sizeof section, &section);
  auto* bytes = static_cast<uint8_t*>(section.dsBm.bmBits);
  const size_t size = static_cast<size_t>(section.dsBm.bmWidthBytes) * height;
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(i * 7 + (i >> 12));
  return bitmap;
}

Trial CallAgain(std::string name, SIZE picture, const std::function<void(HBITMAP&)>& call) {
  auto wallpaper = std::make_shared<BitmapHandle>();
  auto once = [=] {
    HBITMAP handle = wallpaper->release();
    call(handle);
    wallpaper->reset(handle);
  };
  return {std::move(name),
          [=] {
            *wallpaper = Picture(picture.cx, picture.cy);
            once();
            *wallpaper = Picture(picture.cx, picture.cy);
          },
          once,
          [=] { wallpaper->reset(); },
          {}};
}

Trial WholeCall(std::string name, const PluginModule& plugin, const BenchKey& key, SIZE picture) {
  return CallAgain(std::move(name), picture,
                   [&plugin, &key](HBITMAP& handle) { plugin.ExecutePlugIn(nullptr, key.HostKey(), &handle); });
}

void PrintRow(SIZE screen, const std::string& name, double time, double baseline) {
  std::printf("%4ldx%-4ld %-44s %10.2f %8.2f\n", screen.cx, screen.cy, name.c_str(), time * 1e3, time / baseline);
}

}  // namespace tezunhost
