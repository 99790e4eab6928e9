#include "ControlTestSupport.h"

#include "AnswerCollector.h"
#include "Frame.h"
#include "Overloaded.h"

#include <QSettings>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <stdexcept>

namespace {

void restoreVariable(const char* name, const QByteArray& previous) {
  if (previous.isNull())
    qunsetenv(name);
  else
    qputenv(name, previous);
}

QByteArray variable(const char* name) {
  return qEnvironmentVariableIsSet(name) ? qgetenv(name) : QByteArray();
}

class FakeLink : public Link {
 public:
  explicit FakeLink(std::shared_ptr<ScriptedRegister> scripted) : register_(std::move(scripted)) {}

  std::int32_t open() override {
    ++register_->opens;
    if (register_->openResults.empty()) return 0;
    const std::int32_t result = register_->openResults.front();
    register_->openResults.pop_front();
    return result;
  }
  void close() override {}

  LinkReply exchange(QByteArrayView frame, std::chrono::milliseconds) override {
    frame::Reader reader;
    reader.append(frame);
    QByteArray payload;
    QString error;
    if (reader.next(payload, error) != frame::Reader::Status::Frame)
      throw std::logic_error("the control sent a malformed frame");
    const wire::Message request = *wire::decode(payload).message;
    register_->requests.push_back(request);
    register_->frames.push_back(frame.toByteArray());
    std::optional<QByteArray> bytes = frameOf(answerTo(request));
    if (!register_->replies.empty()) {
      bytes = register_->replies.front()(request);
      register_->replies.pop_front();
    }
    AnswerCollector answer;
    if (!bytes) return answer.noAnswer();
    return answer.feed(*bytes).value_or(answer.noAnswer());
  }

 private:
  std::shared_ptr<ScriptedRegister> register_;
};

int bitsPerSecond(speed_t speed) {
  const std::pair<speed_t, int> speeds[] = {
      {B2400, 2400},   {B4800, 4800},     {B9600, 9600},     {B19200, 19200},   {B38400, 38400},
      {B57600, 57600}, {B115200, 115200}, {B230400, 230400}, {B460800, 460800}, {B921600, 921600}};
  for (const auto& [code, bits] : speeds)
    if (code == speed) return bits;
  return 0;
}

}  // namespace

void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

void PrintTo(const QStringList& texts, std::ostream* out) {
  *out << '{' << texts.join(", ").toStdString() << '}';
}

void wire::PrintTo(const PropertyValue& property, std::ostream* out) {
  *out << propertyInfo(property.id).name << '=' << valueToText(property.value).toStdString();
}

CleanProfile::CleanProfile()
    : previousSettings_(variable("FEROX_SETTINGS_DIR")),
      previousPortMap_(variable("FEROX_PORT_MAP")) {
  qputenv("FEROX_SETTINGS_DIR", folder_.path().toLocal8Bit());
  qputenv("FEROX_PORT_MAP", path("ports.ini").toLocal8Bit());
  QSettings ports(path("ports.ini"), QSettings::IniFormat);
  ports.setValue("SystemPorts", false);
}

CleanProfile::~CleanProfile() {
  restoreVariable("FEROX_SETTINGS_DIR", previousSettings_);
  restoreVariable("FEROX_PORT_MAP", previousPortMap_);
}

QByteArray frameOf(const wire::Message& message) { return frame::encode(wire::encode(message)); }

std::uint32_t sequenceOf(const wire::Message& message) {
  return std::visit([](const auto& m) { return m.sequence; }, message);
}

wire::Message answerTo(const wire::Message& request, std::int32_t result,
                       wire::Properties outputs) {
  if (const auto* raw = std::get_if<wire::RawRequest>(&request)) {
    QByteArray reversed = raw->command;
    std::reverse(reversed.begin(), reversed.end());
    return wire::RawAnswer{raw->sequence, result, reversed};
  }
  return wire::MethodAnswer{sequenceOf(request), result, std::move(outputs)};
}

void ScriptedRegister::answer(std::int32_t result, wire::Properties outputs) {
  reply([result, outputs](const wire::Message& request) {
    return std::optional(frameOf(answerTo(request, result, outputs)));
  });
}

const wire::MethodRequest& ScriptedRegister::methodRequest(std::size_t index) const {
  return std::get<wire::MethodRequest>(requests.at(index));
}

LinkFactory fakeLinkFactory(std::shared_ptr<ScriptedRegister> scriptedRegister) {
  return [scriptedRegister](const PropertyBag&) {
    return std::make_unique<FakeLink>(scriptedRegister);
  };
}

QByteArray answerPayload(const QByteArray& requestPayload) {
  const wire::Decoded decoded = wire::decode(requestPayload);
  if (!decoded.message) return wire::encode(wire::ErrorAnswer{0, -4, decoded.error});
  return wire::encode(answerTo(*decoded.message, 0, {{PropertyId::ECRMode, std::int32_t(4)}}));
}

FrameServer::FrameServer(int fd, std::function<bool()> hears)
    : fd_(fd), hears_(std::move(hears)), thread_([this] { serve(); }) {}

FrameServer::~FrameServer() {
  stop_ = true;
  thread_.join();
}

void FrameServer::serve() {
  frame::Reader reader;
  char buffer[4096];
  while (!stop_) {
    pollfd ready{fd_, POLLIN, 0};
    if (::poll(&ready, 1, 20) <= 0) continue;
    const long count = ::read(fd_, buffer, sizeof buffer);
    if (count <= 0) {
      if (count < 0 && (errno == EAGAIN || errno == EINTR)) continue;
      // A pseudo-terminal master reads EIO while no slave is open; wait for the next one.
      if (count < 0 && errno == EIO) continue;
      return;
    }
    if (hears_ && !hears_()) continue;
    reader.append(QByteArrayView(buffer, count));
    QByteArray payload;
    QString error;
    while (reader.next(payload, error) == frame::Reader::Status::Frame) {
      const QByteArray answer = frame::encode(answerPayload(payload));
      if (::write(fd_, answer.constData(), std::size_t(answer.size())) != answer.size()) return;
    }
  }
}

TcpRegister::TcpRegister(Behaviour behaviour) : behaviour_(behaviour) {
  listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
      ::listen(listener_, 8) != 0 ||
      ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
    throw std::runtime_error("cannot listen on 127.0.0.1");
  port_ = ntohs(address.sin_port);
  thread_ = std::thread([this] { acceptLoop(); });
}

TcpRegister::~TcpRegister() {
  stop_ = true;
  thread_.join();
  servers_.clear();
  for (const int fd : connections_) ::close(fd);
  ::close(listener_);
}

void TcpRegister::acceptLoop() {
  while (!stop_) {
    pollfd ready{listener_, POLLIN, 0};
    if (::poll(&ready, 1, 20) <= 0) continue;
    const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0) continue;
    connections_.push_back(fd);
    if (behaviour_ == Behaviour::Answers) servers_.push_back(std::make_unique<FrameServer>(fd));
    if (behaviour_ == Behaviour::Garbage)
      servers_.push_back(std::make_unique<FrameServer>(fd, [fd] {
        // Hears the request and answers noise instead of a frame.
        (void)!::write(fd, "noise", 5);
        return false;
      }));
  }
}

PseudoTerminal::PseudoTerminal() {
  master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0)
    throw std::runtime_error("no pseudo-terminal");
  slavePath_ = QString::fromLocal8Bit(ptsname(master_));
  slave_ = ::open(ptsname(master_), O_RDWR | O_NOCTTY | O_CLOEXEC);
  termios line{};
  tcgetattr(slave_, &line);
  cfmakeraw(&line);
  tcsetattr(slave_, TCSANOW, &line);
}

PseudoTerminal::~PseudoTerminal() {
  ::close(slave_);
  ::close(master_);
}

int PseudoTerminal::baudRate() const {
  termios line{};
  tcgetattr(slave_, &line);
  return bitsPerSecond(cfgetospeed(&line));
}
