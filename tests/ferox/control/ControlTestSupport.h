#pragma once

#include "FeroxControl.h"
#include "Link.h"
#include "Message.h"

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>

#include <atomic>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <thread>
#include <vector>

// Readable failure messages.
void PrintTo(const QString& text, std::ostream* out);
void PrintTo(const QStringList& texts, std::ostream* out);
namespace wire {
void PrintTo(const PropertyValue& property, std::ostream* out);
}

// A clean per-user profile for one test: the settings folder and the port map in a
// temporary folder, with the system's own ports hidden.
class CleanProfile {
 public:
  CleanProfile();
  ~CleanProfile();
  QString path(const QString& name) const { return folder_.filePath(name); }

 private:
  QTemporaryDir folder_;
  QByteArray previousSettings_;
  QByteArray previousPortMap_;
};

// The frame of a message, as it travels.
QByteArray frameOf(const wire::Message& message);
std::uint32_t sequenceOf(const wire::Message& message);
// The answer a working register gives to a request: its own number, the result, outputs.
wire::Message answerTo(const wire::Message& request, std::int32_t result = 0,
                       wire::Properties outputs = {});

// The register's side of a fake link. It keeps every request and answers each with the
// bytes of the next scripted reply, or with a plain success once the script is used up.
struct ScriptedRegister {
  // nullopt: the register stays silent.
  using Reply = std::function<std::optional<QByteArray>(const wire::Message& request)>;

  std::vector<wire::Message> requests;
  std::vector<QByteArray> frames;
  std::deque<Reply> replies;
  std::deque<std::int32_t> openResults;  // results of open(); Ok once used up
  int opens = 0;

  // Replies with an answer to the request.
  void answer(std::int32_t result, wire::Properties outputs = {});
  void reply(Reply reply) { replies.push_back(std::move(reply)); }
  const wire::MethodRequest& methodRequest(std::size_t index) const;
};

LinkFactory fakeLinkFactory(std::shared_ptr<ScriptedRegister> scriptedRegister);

// Answers request payloads the way a simple working register does: every method succeeds
// and reports ECRMode 4; a raw command comes back reversed.
QByteArray answerPayload(const QByteArray& requestPayload);

// Serves frames on a file descriptor from its own thread until stopped or the peer goes.
// acceptFrame decides whether a request is heard at all (a line at the wrong baud rate,
// say); by default every one is.
class FrameServer {
 public:
  explicit FrameServer(int fd, std::function<bool()> hears = {});
  ~FrameServer();

 private:
  void serve();
  int fd_;
  std::function<bool()> hears_;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

// A listening TCP socket on 127.0.0.1 with an ephemeral port; each accepted connection is
// served by a FrameServer. A silent server accepts and never answers.
class TcpRegister {
 public:
  enum class Behaviour { Answers, Silent, Garbage };
  explicit TcpRegister(Behaviour behaviour = Behaviour::Answers);
  ~TcpRegister();
  int port() const { return port_; }

 private:
  void acceptLoop();
  Behaviour behaviour_;
  int listener_ = -1;
  int port_ = 0;
  std::atomic<bool> stop_{false};
  std::vector<int> connections_;
  std::vector<std::unique_ptr<FrameServer>> servers_;
  std::thread thread_;
};

// A pseudo-terminal pair standing for a serial line: the test plays the register on the
// master side; the slave's path is what the port map points at.
class PseudoTerminal {
 public:
  PseudoTerminal();
  ~PseudoTerminal();
  int master() const { return master_; }
  const QString& slavePath() const { return slavePath_; }
  // The speed the control set on the line.
  int baudRate() const;

 private:
  int master_ = -1;
  int slave_ = -1;  // kept open so the line stays up between the control's opens
  QString slavePath_;
};
