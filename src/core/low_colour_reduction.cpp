#include "low_colour_reduction.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

#include "texts.h"

// jpeglib.h wants size_t and FILE declared before it.
#include <jerror.h>
#include <jpeglib.h>

static_assert(JPEG_LIB_VERSION == 62, "the reduction is defined for the libjpeg 6b interface");

namespace tezun {
namespace {

// The codec reports an error by calling error_exit, from deep inside its own C frames. It leaves
// through longjmp back to the setjmp of the function that called into the codec; no C++ exception
// ever crosses the codec. Those functions therefore hold nothing with a destructor: the codec
// objects live in owners outside them, which free the codec state and the JPEG data on every path.
struct ErrorManager {
  jpeg_error_mgr base{};  // first, so the codec's pointer to it is a pointer to the whole
  std::jmp_buf jump{};
  int code = 0;
};

void LeaveOnError(j_common_ptr codec) {
  auto* errors = reinterpret_cast<ErrorManager*>(codec->err);
  errors->code = codec->err->msg_code;
  std::longjmp(errors->jump, 1);  // NOLINT(cert-err52-cpp): the codec's way out, see ErrorManager
}
void IgnoreMessage(j_common_ptr, int) {}  // warnings and traces print nothing
void IgnoreOutput(j_common_ptr) {}

jpeg_error_mgr* InstallErrorManager(ErrorManager& errors) {
  jpeg_std_error(&errors.base);
  errors.base.error_exit = LeaveOnError;
  errors.base.emit_message = IgnoreMessage;
  errors.base.output_message = IgnoreOutput;
  return &errors.base;
}

// The JPEG stream in one growing malloc block.
struct MemoryDestination {
  jpeg_destination_mgr base{};
  uint8_t* buffer = nullptr;
  size_t capacity = 0;
  size_t size = 0;
};

MemoryDestination& DestinationOf(j_compress_ptr codec) { return *reinterpret_cast<MemoryDestination*>(codec->dest); }

void Grow(j_compress_ptr codec, size_t capacity) {
  MemoryDestination& destination = DestinationOf(codec);
  auto* grown = static_cast<uint8_t*>(std::realloc(destination.buffer, capacity));
  if (!grown) ERREXIT1(codec, JERR_OUT_OF_MEMORY, 0);
  const size_t used = destination.capacity;
  destination.buffer = grown;
  destination.capacity = capacity;
  destination.base.next_output_byte = grown + used;
  destination.base.free_in_buffer = capacity - used;
}
void InitDestination(j_compress_ptr codec) { Grow(codec, size_t{64} * 1024); }
boolean EmptyOutputBuffer(j_compress_ptr codec) {  // called when the whole block is full
  Grow(codec, DestinationOf(codec).capacity * 2);
  return TRUE;
}
void TermDestination(j_compress_ptr codec) {
  MemoryDestination& destination = DestinationOf(codec);
  destination.size = destination.capacity - destination.base.free_in_buffer;
}

struct Compression {
  jpeg_compress_struct codec{};
  ErrorManager errors;
  MemoryDestination destination;
  Compression() = default;
  Compression(const Compression&) = delete;
  Compression& operator=(const Compression&) = delete;
  ~Compression() {
    jpeg_destroy_compress(&codec);  // safe on a codec that was never created: it is zeroed
    std::free(destination.buffer);
  }
};

struct Decompression {
  jpeg_decompress_struct codec{};
  ErrorManager errors;
  Decompression() = default;
  Decompression(const Decompression&) = delete;
  Decompression& operator=(const Decompression&) = delete;
  ~Decompression() { jpeg_destroy_decompress(&codec); }
};

// Plain data only from here to the end of the three codec-calling functions (see above).

bool Compress(Compression& c, const BgrRows& picture, uint8_t* row) {
  c.codec.err = InstallErrorManager(c.errors);
  if (setjmp(c.errors.jump)) return false;  // NOLINT(cert-err52-cpp): see ErrorManager
  jpeg_create_compress(&c.codec);
  c.destination.base.init_destination = InitDestination;
  c.destination.base.empty_output_buffer = EmptyOutputBuffer;
  c.destination.base.term_destination = TermDestination;
  c.codec.dest = &c.destination.base;

  c.codec.image_width = static_cast<JDIMENSION>(picture.width);
  c.codec.image_height = static_cast<JDIMENSION>(picture.height);
  c.codec.input_components = 3;
  c.codec.in_color_space = JCS_RGB;
  jpeg_set_defaults(&c.codec);
  jpeg_set_quality(&c.codec, 90, TRUE);
  c.codec.dct_method = JDCT_FLOAT;
  jpeg_start_compress(&c.codec, TRUE);
  while (c.codec.next_scanline < c.codec.image_height) {
    // The picture's rows hold blue, green, red; the codec takes red first.
    const uint8_t* source = picture.top + static_cast<ptrdiff_t>(c.codec.next_scanline) * picture.stride;
    for (ptrdiff_t x = 0; x < picture.width; ++x) {
      row[3 * x] = source[3 * x + 2];
      row[3 * x + 1] = source[3 * x + 1];
      row[3 * x + 2] = source[3 * x];
    }
    JSAMPROW rows[1] = {row};
    jpeg_write_scanlines(&c.codec, rows, 1);
  }
  jpeg_finish_compress(&c.codec);
  return true;
}

bool StartDecompress(Decompression& d, std::span<const uint8_t> jpeg) {
  d.codec.err = InstallErrorManager(d.errors);
  if (setjmp(d.errors.jump)) return false;  // NOLINT(cert-err52-cpp): see ErrorManager
  jpeg_create_decompress(&d.codec);
  jpeg_mem_src(&d.codec, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
  jpeg_read_header(&d.codec, TRUE);
  d.codec.scale_num = 1;
  d.codec.scale_denom = 1;
  d.codec.out_color_space = JCS_RGB;
  d.codec.dct_method = JDCT_FLOAT;
  d.codec.do_fancy_upsampling = TRUE;
  d.codec.do_block_smoothing = TRUE;
  d.codec.quantize_colors = TRUE;
  d.codec.desired_number_of_colors = 236;
  d.codec.two_pass_quantize = TRUE;
  d.codec.dither_mode = JDITHER_FS;
  d.codec.buffered_image = FALSE;
  jpeg_start_decompress(&d.codec);  // the histogram pass: the colour map is fixed here
  return true;
}

bool ReadIndices(Decompression& d, uint8_t* indices) {
  if (setjmp(d.errors.jump)) return false;  // NOLINT(cert-err52-cpp): see ErrorManager
  while (d.codec.output_scanline < d.codec.output_height) {
    JSAMPROW rows[1] = {indices + static_cast<size_t>(d.codec.output_scanline) * d.codec.output_width};
    jpeg_read_scanlines(&d.codec, rows, 1);
  }
  jpeg_finish_decompress(&d.codec);
  return true;
}

void FreeBlock(void* block) { std::free(block); }

std::string ErrorMessage(int code) {
  char message[64];
  std::snprintf(message, sizeof message, kJpegErrorFormat, code);
  return message;
}

}  // namespace

EJPEG::EJPEG(int code) : std::runtime_error(ErrorMessage(code)), code_(code) {}

JpegData EncodeJpeg(const BgrRows& picture) {
  std::vector<uint8_t> row(static_cast<size_t>(std::max(picture.width, 0)) * 3);
  Compression compression;
  if (!Compress(compression, picture, row.data())) throw EJPEG(compression.errors.code);
  JpegData data;
  data.bytes = {std::exchange(compression.destination.buffer, nullptr), FreeBlock};
  data.size = compression.destination.size;
  return data;
}

PalettizedPicture DecodeJpegPalettized(std::span<const uint8_t> jpeg) {
  Decompression decompression;
  if (!StartDecompress(decompression, jpeg)) throw EJPEG(decompression.errors.code);
  const jpeg_decompress_struct& codec = decompression.codec;
  PalettizedPicture picture;
  picture.width = static_cast<int>(codec.output_width);
  picture.height = static_cast<int>(codec.output_height);
  picture.palette.resize(static_cast<size_t>(codec.actual_number_of_colors));
  for (size_t i = 0; i < picture.palette.size(); ++i) {
    for (int channel = 0; channel < 3; ++channel) picture.palette[i][channel] = codec.colormap[channel][i];
  }
  picture.indices.resize(static_cast<size_t>(codec.output_width) * codec.output_height);
  if (!ReadIndices(decompression, picture.indices.data())) throw EJPEG(decompression.errors.code);
  return picture;
}

}  // namespace tezun
