// Fuzz entry for image entries: any bytes go the way an entry of an archive
// goes when a mesh names it, through the decoder and the texture upload,
// against the GL recorder, which reads every byte it is handed (so a pixel
// buffer shorter than its sides shows under the sanitizers). Bytes either
// make a texture of at most 4096 x 4096 whose upload matches the image, or
// none at all, with a reason and no GL call.
#include <cstdint>
#include <string>

#include "archive/archive.h"
#include "archive/image_decoder.h"
#include "support/gl_recorder.h"

namespace {

void check(bool ok) {
  if (!ok) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  glrec::setLogging(false);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > (1u << 20)) return 0;
  glrec::reset();
  std::string error;
  const uint32_t texture = makeEntryTexture(ArchiveEntry{data, static_cast<uint32_t>(size)}, &error);
  if (texture == 0) {
    check(!error.empty() && glrec::genCount() == 0);
    return 0;
  }
  check(error.empty() && glrec::boundTexture() == texture && glrec::liveTextureCount() == 1);
  return 0;
}
