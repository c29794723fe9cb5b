#pragma once
// The serial port on a Linux machine: the port number goes through the port
// map to a device (/dev/ttyUSB0 ...), which QSerialPort drives.
//
// Receiving: QSerialPort's readyRead raises onComm on the user-interface
// thread. The handler never nests: for bytes that come while it runs (a
// modal message lets events run) one more notification is raised after it
// returns, if they are still waiting. readAll()
// takes what QSerialPort holds and then reads the device itself, so bytes
// that reached the driver during the handler's blocking pause are included.
//
// Sending: write() hands the bytes to the driver at once (non-blocking); what
// the driver cannot take yet waits in QSerialPort's queue, behind which
// later writes line up, and leaves from the event loop.
//
// A port that stops working while open (USB adapter unplugged, line hung up)
// is closed and reported through onLost, after the receive handler returns.
#include <QSerialPort>
#include <functional>
#include <string>

#include "link/port_map.h"
#include "link/serial_port.h"

namespace kavel {

class QtSerialPort : public SerialPort {
 public:
  explicit QtSerialPort(PortMap map = PortMap());
  ~QtSerialPort() override;

  void setCommPort(int n) override;
  int commPort() const override { return commPort_; }
  PortError open() override;
  void close() override;
  bool isOpen() const override { return port_.isOpen(); }
  void applySettings(const LinkSettings& settings) override;
  void write(const Bytes& bytes) override;
  Bytes readAll() override;
  void discardInput() override;
  void discardOutput() override;
  int commEvent() const override { return commEvent_; }
  std::string deviceName(int n) const override { return map_.device(n); }

  const PortMap& portMap() const { return map_; }

  // Called once the port has been closed because it stopped working, with a
  // message for the operator.
  std::function<void(const std::string& reason)> onLost;

 private:
  struct Line {
    qint32 baud = 38400;
    QSerialPort::Parity parity = QSerialPort::NoParity;
    QSerialPort::DataBits dataBits = QSerialPort::Data8;
    QSerialPort::StopBits stopBits = QSerialPort::OneStop;
  };

  static void parseLine(const std::string& text, Line& line);
  void applyLine();
  bool hasUart();
  void notify();
  void deliver();
  std::size_t bytesWaiting() const;
  void readDriver(Bytes& out);
  void scheduleLineCheck();
  void checkLine();
  bool lineHungUp() const;

  PortMap map_;
  QSerialPort port_;
  Line line_;
  int commPort_ = 1;
  int commEvent_ = 0;
  bool inHandler_ = false;
  std::size_t waitingSeen_ = 0;  // bytes waiting when the handler started or last read
  bool checkScheduled_ = false;
  bool checkAfterHandler_ = false;
  Bytes held_;  // taken from QSerialPort's buffer but not yet read by the owner
};

}  // namespace kavel
