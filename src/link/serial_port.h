#pragma once
// The serial port as the link uses it: select a port number, open, close,
// apply the line settings, write, read everything waiting, discard, and a
// receive notification on the user-interface thread.
#include <functional>
#include <string>

#include "controls/bytes.h"

namespace kavel {

// The line settings applied once at start-up.
struct LinkSettings {
  std::string settings = "38400,n,8,1";  // baud, parity, data bits, stop bits
  int inBufferSize = 1024;
  int outBufferSize = 512;
  int inputMode = 1;   // binary input
  int rThreshold = 1;  // notify as soon as one byte waits
  int sThreshold = 0;  // no notification when output drains
  int inputLen = 0;    // one read takes everything waiting
};

// Why an open failed; `message` is the system's own wording, for the operator.
struct PortError {
  enum class Kind { None, NotFound, PermissionDenied, Busy, Other };
  Kind kind = Kind::None;
  std::string message;
  explicit operator bool() const { return kind != Kind::None; }
};

class SerialPort {
 public:
  static constexpr int kCommEventReceive = 2;

  virtual ~SerialPort() = default;
  virtual void setCommPort(int n) = 0;  // 1 to 16; only while closed
  virtual int commPort() const = 0;
  virtual PortError open() = 0;
  virtual void close() = 0;
  virtual bool isOpen() const = 0;
  virtual void applySettings(const LinkSettings& settings) = 0;
  // Queues the whole array and returns at once; bytes leave in order.
  virtual void write(const Bytes& bytes) = 0;
  // Everything received and not yet read, possibly nothing.
  virtual Bytes readAll() = 0;
  virtual void discardInput() = 0;
  virtual void discardOutput() = 0;
  // The reason of the last notification: 2 means bytes were received.
  virtual int commEvent() const = 0;
  // Which device stands behind a port number, for the operator ("/dev/ttyUSB0").
  virtual std::string deviceName(int n) const = 0;

  // The receive notification; set by the owner of the dispatcher.
  std::function<void()> onComm;
};

}  // namespace kavel
