#include "qt/qt_serial_port.h"

#include <linux/serial.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <QTimer>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "link/port_errors.h"

namespace kavel {

namespace {

// Every machine has device files for the first built-in UARTs whether or
// not a chip stands behind them; the driver reports a missing chip as port
// type "unknown".
bool isBuiltInUartName(const std::string& device) {
  std::error_code ec;
  const std::filesystem::path real = std::filesystem::canonical(device, ec);
  return !ec && real.filename().string().rfind("ttyS", 0) == 0;
}

}  // namespace

QtSerialPort::QtSerialPort(PortMap map) : map_(std::move(map)) {
  // Received bytes stay in QSerialPort's buffer without limit until read;
  // the device driver keeps its own buffer (4 KB for a UART), so the sizes
  // asked for by the line settings have no counterpart to set.
  port_.setReadBufferSize(0);
  QObject::connect(&port_, &QSerialPort::readyRead, &port_, [this] { notify(); });
  QObject::connect(&port_, &QSerialPort::errorOccurred, &port_,
                   [this](QSerialPort::SerialPortError error) {
                     if (error != QSerialPort::NoError && port_.isOpen()) scheduleLineCheck();
                   });
}

QtSerialPort::~QtSerialPort() { close(); }

void QtSerialPort::setCommPort(int n) {
  if (!isOpen()) commPort_ = n;
}

PortError QtSerialPort::open() {
  const std::string device = map_.device(commPort_);
  if (isOpen()) return portError(PortError::Kind::Other, commPort_, device, "端口已经打开");
  if (device.empty()) return unmappedPortError(commPort_);
  // Cheap checks first, so that a scan over absent ports never waits on a device.
  if (::access(device.c_str(), F_OK) != 0 || ::access(device.c_str(), R_OK | W_OK) != 0)
    return portErrorFromErrno(errno, commPort_, device);

  port_.setPortName(QString::fromStdString(device));
  if (!port_.open(QIODevice::ReadWrite)) {
    const QSerialPort::SerialPortError error = port_.error();
    const std::string detail = port_.errorString().toStdString();
    port_.clearError();
    switch (error) {
      case QSerialPort::DeviceNotFoundError:
        return portError(PortError::Kind::NotFound, commPort_, device);
      case QSerialPort::PermissionError:
        // The access check passed, so another program holds the device.
        return portError(PortError::Kind::Busy, commPort_, device);
      default:
        return portError(PortError::Kind::Other, commPort_, device, detail);
    }
  }
  if (!hasUart()) {
    port_.close();
    return portError(PortError::Kind::NotFound, commPort_, device);
  }
  applyLine();
  // Bytes that reached the device while no program held it (the answer to
  // the offline frame of the program that closed it just before) are no
  // reply to anything this opening sends.
  discardInput();
  return {};
}

bool QtSerialPort::hasUart() {
  if (!isBuiltInUartName(map_.device(commPort_))) return true;
  serial_struct info{};
  if (::ioctl(port_.handle(), TIOCGSERIAL, &info) != 0) return true;
  return info.type != PORT_UNKNOWN;
}

void QtSerialPort::close() {
  held_.clear();
  checkAfterHandler_ = false;
  if (!port_.isOpen()) return;
  // What still waits in QSerialPort's queue would be dropped by the close
  // (the offline frame of a confirmed exit, say): hand it to the driver,
  // which drains its own buffer on close.
  if (port_.bytesToWrite() > 0) port_.waitForBytesWritten(200);
  port_.close();  // also lifts the exclusive lock on the device
  port_.clearError();
}

void QtSerialPort::applySettings(const LinkSettings& settings) {
  parseLine(settings.settings, line_);
  if (isOpen()) applyLine();
}

// Reads the "baud,parity,data bits,stop bits" text of the line settings
// ("38400,n,8,1"); a field that cannot be read keeps the value before.
void QtSerialPort::parseLine(const std::string& text, Line& line) {
  std::istringstream in(text);
  std::string baud, parity, data, stop;
  std::getline(in, baud, ',');
  std::getline(in, parity, ',');
  std::getline(in, data, ',');
  std::getline(in, stop, ',');
  if (const int b = std::atoi(baud.c_str()); b > 0) line.baud = b;
  switch (parity.empty() ? '?' : std::tolower(static_cast<unsigned char>(parity[0]))) {
    case 'n': line.parity = QSerialPort::NoParity; break;
    case 'e': line.parity = QSerialPort::EvenParity; break;
    case 'o': line.parity = QSerialPort::OddParity; break;
    case 'm': line.parity = QSerialPort::MarkParity; break;
    case 's': line.parity = QSerialPort::SpaceParity; break;
  }
  if (const int d = std::atoi(data.c_str()); d >= 5 && d <= 8)
    line.dataBits = static_cast<QSerialPort::DataBits>(d);
  if (stop == "1") line.stopBits = QSerialPort::OneStop;
  if (stop == "1.5") line.stopBits = QSerialPort::OneAndHalfStop;
  if (stop == "2") line.stopBits = QSerialPort::TwoStop;
}

void QtSerialPort::applyLine() {
  // No handshaking; DTR and RTS keep their state.
  port_.setBaudRate(line_.baud);
  port_.setDataBits(line_.dataBits);
  port_.setParity(line_.parity);
  port_.setStopBits(line_.stopBits);
  port_.setFlowControl(QSerialPort::NoFlowControl);
}

void QtSerialPort::write(const Bytes& bytes) {
  if (!isOpen() || bytes.empty()) return;
  std::size_t sent = 0;
  // Bytes may go to the driver directly only while nothing waits in
  // QSerialPort's queue; otherwise they line up behind it.
  if (port_.bytesToWrite() == 0) {
    while (sent < bytes.size()) {
      const ssize_t n = ::write(port_.handle(), bytes.data() + sent, bytes.size() - sent);
      if (n > 0) {
        sent += static_cast<std::size_t>(n);
      } else if (n < 0 && errno == EINTR) {
        continue;
      } else {
        if (n < 0 && errno != EAGAIN) scheduleLineCheck();
        break;
      }
    }
  }
  if (sent < bytes.size())
    port_.write(reinterpret_cast<const char*>(bytes.data() + sent),
                static_cast<qint64>(bytes.size() - sent));
}

Bytes QtSerialPort::readAll() {
  Bytes out;
  out.swap(held_);
  if (!isOpen()) return out;
  // Reading QSerialPort's buffer also resumes its reading if it had paused.
  const QByteArray buffered = port_.readAll();
  out.insert(out.end(), buffered.begin(), buffered.end());
  readDriver(out);
  waitingSeen_ = 0;
  return out;
}

// Takes what the driver has received and QSerialPort has not yet fetched.
// The device is open non-blocking with no minimum count, so a read returns
// at once, with nothing when nothing waits.
void QtSerialPort::readDriver(Bytes& out) {
  char chunk[4096];
  for (;;) {
    const ssize_t n = ::read(port_.handle(), chunk, sizeof chunk);
    if (n > 0) {
      out.insert(out.end(), chunk, chunk + n);
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else {
      if (n < 0 && errno != EAGAIN) scheduleLineCheck();
      return;
    }
  }
}

void QtSerialPort::discardInput() {
  held_.clear();
  waitingSeen_ = 0;
  if (isOpen()) port_.clear(QSerialPort::Input);
}

void QtSerialPort::discardOutput() {
  // Drops QSerialPort's queue and what the driver has not yet sent.
  if (isOpen()) port_.clear(QSerialPort::Output);
}

void QtSerialPort::notify() {
  if (!inHandler_) deliver();
}

// QSerialPort announces no bytes that arrive while the handler runs inside
// its announcement, so the handler is called once more if more bytes wait
// when it returns than when it started or last read.
void QtSerialPort::deliver() {
  if (!isOpen() || !onComm) return;
  inHandler_ = true;
  waitingSeen_ = bytesWaiting();
  commEvent_ = kCommEventReceive;
  onComm();
  inHandler_ = false;
  if (bytesWaiting() > waitingSeen_) QTimer::singleShot(0, &port_, [this] { notify(); });
  if (checkAfterHandler_) {
    checkAfterHandler_ = false;
    scheduleLineCheck();
  }
}

std::size_t QtSerialPort::bytesWaiting() const {
  if (!isOpen()) return 0;
  int inDriver = 0;
  if (::ioctl(port_.handle(), FIONREAD, &inDriver) != 0) inDriver = 0;
  return held_.size() + static_cast<std::size_t>(port_.bytesAvailable()) +
         static_cast<std::size_t>(inDriver);
}

void QtSerialPort::scheduleLineCheck() {
  if (checkScheduled_) return;
  checkScheduled_ = true;
  QTimer::singleShot(0, &port_, [this] { checkLine(); });
}

// After a read or write error: a hung-up line means the device has gone.
// Otherwise the error was a read that found the bytes already taken (by
// readAll after the event loop had seen them arrive); QSerialPort may have
// paused reading then, and reading its buffer resumes it.
void QtSerialPort::checkLine() {
  checkScheduled_ = false;
  if (!isOpen()) return;
  if (inHandler_) {
    checkAfterHandler_ = true;
    return;
  }
  if (lineHungUp()) {
    const std::string reason = portLostMessage(commPort_, map_.device(commPort_));
    close();
    if (onLost) onLost(reason);
    return;
  }
  port_.clearError();
  const QByteArray buffered = port_.readAll();
  held_.insert(held_.end(), buffered.begin(), buffered.end());
}

bool QtSerialPort::lineHungUp() const {
  pollfd fd{port_.handle(), POLLIN, 0};
  if (::poll(&fd, 1, 0) < 0) return false;
  return (fd.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}

}  // namespace kavel
