#include "Message.h"
#include "RegisterSession.h"
#include "VirtualRegister.h"

#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// Hands arbitrary bytes to a session of one register as a request payload. Whatever they
// are, the register must answer, and its answer must be an answer.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static QTemporaryDir folder;
  static const auto device = std::make_shared<VirtualRegister>(folder.path());
  RegisterSession session(device);
  const QByteArray answer =
      session.handlePayload(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
  const wire::Decoded decoded = wire::decode(answer);
  if (!decoded.message) std::abort();
  if (std::holds_alternative<wire::MethodRequest>(*decoded.message) ||
      std::holds_alternative<wire::RawRequest>(*decoded.message))
    std::abort();
  return 0;
}
