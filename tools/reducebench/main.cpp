// reducebench: the low-colour reduction of a 1920 x 1080 photograph-like picture against libjpeg's
// own command-line tools doing the same encode and decode, timed side by side in one run.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "core/low_colour_reduction.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kRuns = 7;

double MedianSeconds(const std::function<void()>& work) {
  std::vector<double> times;
  for (int i = 0; i < kRuns; ++i) {
    const auto start = std::chrono::steady_clock::now();
    work();
    times.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  std::nth_element(times.begin(), times.begin() + kRuns / 2, times.end());
  return times[kRuns / 2];
}

// Gradients with texture and edges, as a photograph has; blue-green-red, rows top first.
std::vector<uint8_t> Photograph() {
  std::vector<uint8_t> bgr(static_cast<size_t>(kWidth) * kHeight * 3);
  uint32_t noise = 12345;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      noise = noise * 1103515245 + 12345;
      const int grain = static_cast<int>((noise >> 16) % 17) - 8;
      uint8_t* p = &bgr[(static_cast<size_t>(y) * kWidth + x) * 3];
      const double sky = y < kHeight * 0.6 ? 1.0 : 0.3;
      p[0] = static_cast<uint8_t>(std::clamp(180 * sky + 40 * std::sin(x * 0.01) + grain, 0.0, 255.0));
      p[1] = static_cast<uint8_t>(std::clamp(90 + 80 * std::sin(y * 0.004 + x * 0.002) + grain, 0.0, 255.0));
      p[2] = static_cast<uint8_t>(
          std::clamp(60 + 150 * (1 - sky) + 30 * std::cos(x * 0.03 + y * 0.05) + grain, 0.0, 255.0));
    }
  }
  return bgr;
}

void WritePpm(const std::filesystem::path& path, const std::vector<uint8_t>& bgr) {
  std::ofstream out(path, std::ios::binary);
  out << "P6\n" << kWidth << ' ' << kHeight << "\n255\n";
  for (size_t i = 0; i < bgr.size(); i += 3) {
    const char rgb[3] = {static_cast<char>(bgr[i + 2]), static_cast<char>(bgr[i + 1]), static_cast<char>(bgr[i])};
    out.write(rgb, 3);
  }
}

}  // namespace

int main() {
  // The bench runs libjpeg's own command-line tools through the shell, on purpose and alone.
  // NOLINTNEXTLINE(cert-env33-c,concurrency-mt-unsafe)
  if (std::system("command -v cjpeg >/dev/null && command -v djpeg >/dev/null") != 0) {
    std::fprintf(stderr, "reducebench: cjpeg and djpeg are missing (Debian's libjpeg-turbo-progs)\n");
    return 1;
  }
  const auto work = std::filesystem::temp_directory_path() / "tezun-reducebench";
  std::filesystem::create_directories(work);
  const std::vector<uint8_t> picture = Photograph();
  WritePpm(work / "in.ppm", picture);
  const tezun::BgrRows rows{picture.data(), ptrdiff_t{kWidth} * 3, kWidth, kHeight};

  size_t colours = 0;
  const double ours = MedianSeconds([&] { colours = tezun::ReduceColours(rows).palette.size(); });
  const std::string tools = "cd '" + work.string() +
                            "' && cjpeg -quality 90 -dct float -outfile out.jpg in.ppm"
                            " && djpeg -colors 236 -dct float -dither fs -bmp -outfile out.bmp out.jpg";
  const double theirs = MedianSeconds([&] {
    // NOLINTNEXTLINE(cert-env33-c,concurrency-mt-unsafe): as above
    if (std::system(tools.c_str()) != 0) std::fprintf(stderr, "reducebench: the tools failed\n");
  });
  std::filesystem::remove_all(work);

  std::printf("reduction of a %d x %d picture to %zu colours, median of %d runs\n", kWidth, kHeight, colours, kRuns);
  std::printf("  ReduceColours (in memory)         %8.1f ms\n", ours * 1e3);
  std::printf("  cjpeg | djpeg (files, processes)  %8.1f ms\n", theirs * 1e3);
  std::printf("  ratio                             %8.2f\n", ours / theirs);
  return 0;
}
