#pragma once

#include "Frame.h"
#include "RegisterSession.h"

#include <QByteArray>
#include <QByteArrayView>

#include <memory>

class VirtualRegister;

// One caller's byte stream to the register: cuts request frames out of the bytes as they
// arrive and answers each in turn through the caller's own session.
class FrameService {
 public:
  FrameService(std::shared_ptr<VirtualRegister> device, int linkInterface);

  struct Reply {
    QByteArray bytes;          // the answer frames to send back, in order
    bool linkDropped = false;  // the register answers nothing: the link should go down
  };
  Reply receive(QByteArrayView bytes);

  // A new caller on the same line: partial frames are forgotten and the session starts
  // afresh, with an empty mirror of the caller's properties.
  void restart();

 private:
  std::shared_ptr<VirtualRegister> device_;
  int linkInterface_;
  frame::Reader reader_;
  std::unique_ptr<RegisterSession> session_;
};
