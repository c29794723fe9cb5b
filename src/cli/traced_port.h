#pragma once
// A serial port that reports every byte it writes and receives, with the
// time in milliseconds, for kavel --trace:
//   "    412 ms -> AF"
//   "    415 ms <- 5A 7F"
#include <cstdio>

#include "link/clock.h"
#include "link/serial_port.h"

namespace kavel::cli {

class TracedPort : public SerialPort {
 public:
  TracedPort(SerialPort& port, const Clock& clock, std::FILE* out = stderr);

  void setCommPort(int n) override { port_.setCommPort(n); }
  int commPort() const override { return port_.commPort(); }
  PortError open() override { return port_.open(); }
  void close() override { port_.close(); }
  bool isOpen() const override { return port_.isOpen(); }
  void applySettings(const LinkSettings& settings) override { port_.applySettings(settings); }
  void write(const Bytes& bytes) override;
  Bytes readAll() override;
  void discardInput() override { port_.discardInput(); }
  void discardOutput() override { port_.discardOutput(); }
  int commEvent() const override { return port_.commEvent(); }
  std::string deviceName(int n) const override { return port_.deviceName(n); }

 private:
  void trace(const char* direction, const Bytes& bytes);

  SerialPort& port_;
  const Clock& clock_;
  std::FILE* out_;
};

}  // namespace kavel::cli
