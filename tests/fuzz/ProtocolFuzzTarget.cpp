#include "Frame.h"
#include "Message.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// Feeds arbitrary bytes to the frame reader in two pieces and decodes every frame it
// cuts out. Whatever decodes must encode back to a payload that decodes to the same
// message.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArrayView input(reinterpret_cast<const char*>(data), qsizetype(size));
  frame::Reader reader;
  const qsizetype split = size > 0 ? qsizetype(data[0]) % (qsizetype(size) + 1) : 0;
  reader.append(input.first(split));
  bool appendedRest = false;
  for (;;) {
    QByteArray payload;
    QString error;
    const auto status = reader.next(payload, error);
    if (status == frame::Reader::Status::NeedMore) {
      if (appendedRest) break;
      reader.append(input.sliced(split));
      appendedRest = true;
      continue;
    }
    if (status == frame::Reader::Status::Error) continue;
    const wire::Decoded decoded = wire::decode(payload);
    if (!decoded.message) continue;
    const QByteArray again = wire::encode(*decoded.message);
    const wire::Decoded redecoded = wire::decode(again);
    if (!redecoded.message || !(*redecoded.message == *decoded.message)) std::abort();
  }
  return 0;
}
