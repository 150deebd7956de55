// The orientation tag of a JPEG file's Exif block, read from the file's first bytes. The
// platform's decoders do not all report it (Wine's do not), and the block is simple to walk.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tezun::desk {

// How many of a file's first bytes hold the tag when it is there at all: the Exif block is one
// marker segment of at most 64 KiB, near the start.
constexpr size_t kExifSearchBytes = size_t{128} * 1024;

// The tag (1 to 8) of the JPEG file whose first bytes are `data`; 1 (as stored) when the file is
// no JPEG, carries no tag, or its block cannot be read.
uint32_t ExifOrientation(const uint8_t* data, size_t size);

}  // namespace tezun::desk
