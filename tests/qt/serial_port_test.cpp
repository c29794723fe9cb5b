// The serial port against a real pseudo-terminal: the test holds the master
// side and plays the processor; the port opens the slave through a port map
// override, as it would open /dev/ttyUSB0.
#include "qt/qt_serial_port.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <thread>

namespace kavel {
namespace {

constexpr int kPtyPort = 15;  // the free port number the simulator uses too

class Pty {
 public:
  Pty() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) return;
    slave_ = ::ptsname(master_);
  }
  ~Pty() { hangUp(); }
  bool ok() const { return !slave_.empty(); }
  const std::string& slave() const { return slave_; }
  int master() const { return master_; }

  void send(const Bytes& bytes) const {
    ASSERT_EQ(::write(master_, bytes.data(), bytes.size()), ssize_t(bytes.size()));
  }
  // Everything the port has sent so far.
  Bytes take() const {
    Bytes out;
    Byte chunk[65536];
    for (ssize_t n; (n = ::read(master_, chunk, sizeof chunk)) > 0;)
      out.insert(out.end(), chunk, chunk + n);
    return out;
  }
  // Closing the master hangs the line up, as pulling a USB adapter does.
  void hangUp() {
    if (master_ >= 0) ::close(master_);
    master_ = -1;
  }

 private:
  int master_ = -1;
  std::string slave_;
};

void pumpFor(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

template <typename Done>
bool pumpUntil(Done done, int timeoutMs = 3000) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > timeoutMs) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QThread::msleep(1);
  }
  return true;
}

// What the port sends until the line has been quiet for a while; the event
// loop runs meanwhile, so that queued bytes leave.
Bytes collect(const Pty& pty, std::size_t expected = 0) {
  Bytes out;
  QElapsedTimer quiet;
  quiet.start();
  while (quiet.elapsed() < 100) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const Bytes got = pty.take();
    if (!got.empty()) {
      out.insert(out.end(), got.begin(), got.end());
      quiet.restart();
    }
    if (expected && out.size() >= expected) break;
    QThread::msleep(1);
  }
  return out;
}

Bytes pattern(std::size_t size) {
  Bytes out(size);
  for (std::size_t i = 0; i < size; ++i) out[i] = Byte(i * 7 % 251);
  return out;
}

Bytes join(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

struct PtyPort : ::testing::Test {
  void SetUp() override {
    ASSERT_TRUE(pty.ok());
    port = std::make_unique<QtSerialPort>(mapWithPty());
    port->setCommPort(kPtyPort);
  }
  PortMap mapWithPty() const {
    PortMap map;
    map.setDevice(kPtyPort, pty.slave());
    return map;
  }
  void openPort() {
    port->applySettings(LinkSettings{});
    const PortError error = port->open();
    ASSERT_FALSE(error) << error.message;
  }
  Pty pty;
  std::unique_ptr<QtSerialPort> port;
};

TEST_F(PtyPort, OpeningAMissingOrUnusableDeviceFailsAndLeavesThePortClosed) {
  struct Case {
    int port;
    const char* device;  // nullptr: unmapped
    PortError::Kind kind;
    const char* says;
  };
  const Case cases[] = {
      {16, nullptr, PortError::Kind::NotFound, "COM16 没有对应的串口设备"},
      {5, "/nonexistent/ttyUSB0", PortError::Kind::NotFound, "找不到串口设备 COM5（/nonexistent/ttyUSB0）"},
      {6, "/dev/null", PortError::Kind::Other,  // not a terminal; the system's wording follows
       "无法打开串口设备 COM6（/dev/null）：Inappropriate ioctl for device"},
  };
  PortMap map = mapWithPty();
  for (const Case& c : cases) map.setDevice(c.port, c.device ? c.device : "");
  QtSerialPort serial(map);
  for (const Case& c : cases) {
    serial.setCommPort(c.port);
    const PortError error = serial.open();
    EXPECT_EQ(error.kind, c.kind) << c.port;
    EXPECT_EQ(error.message.rfind(c.says, 0), 0u) << error.message;
    EXPECT_FALSE(serial.isOpen()) << c.port;
    EXPECT_TRUE(serial.readAll().empty());
  }
  serial.setCommPort(kPtyPort);
  EXPECT_FALSE(serial.open()) << "a failed open leaves the port usable";
  EXPECT_TRUE(serial.isOpen());
}

TEST_F(PtyPort, DeviceNameIsTheMappedDevice) {
  EXPECT_EQ(port->deviceName(kPtyPort), pty.slave());
  EXPECT_EQ(port->deviceName(5), "/dev/ttyUSB0");
  EXPECT_EQ(port->deviceName(16), "");
}

TEST_F(PtyPort, LineSettingsAre38400EightDataBitsNoParityOneStopBitNoHandshake) {
  for (const bool settingsBeforeOpen : {true, false}) {
    // Start from a line set quite differently, so each field must be changed.
    termios tio{};
    ASSERT_EQ(::tcgetattr(pty.master(), &tio), 0);
    ::cfsetispeed(&tio, B9600);
    ::cfsetospeed(&tio, B9600);
    tio.c_cflag = (tio.c_cflag & ~CSIZE) | CS7 | PARENB | CSTOPB | CRTSCTS;
    tio.c_iflag |= IXON | IXOFF;
    ASSERT_EQ(::tcsetattr(pty.master(), TCSANOW, &tio), 0);

    port->close();
    if (settingsBeforeOpen) port->applySettings(LinkSettings{});
    ASSERT_FALSE(port->open());
    if (!settingsBeforeOpen) port->applySettings(LinkSettings{});

    // Terminal settings asked of the master are those of the slave.
    ASSERT_EQ(::tcgetattr(pty.master(), &tio), 0);
    EXPECT_EQ(::cfgetospeed(&tio), speed_t(B38400)) << settingsBeforeOpen;
    EXPECT_EQ(::cfgetispeed(&tio), speed_t(B38400)) << settingsBeforeOpen;
    EXPECT_EQ(tio.c_cflag & CSIZE, tcflag_t(CS8));
    EXPECT_EQ(tio.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
    EXPECT_EQ(tio.c_iflag & (IXON | IXOFF), 0u);
    EXPECT_EQ(tio.c_lflag & (ICANON | ECHO), 0u) << "raw bytes, no echo";
  }
}

TEST_F(PtyPort, BytesThatArriveBetweenReadsWaitAndComeWithTheNextRead) {
  openPort();
  int notifications = 0;
  port->onComm = [&] { ++notifications; };
  pty.send({0x35, 0x82});
  ASSERT_TRUE(pumpUntil([&] { return notifications > 0; }));
  EXPECT_EQ(port->commEvent(), SerialPort::kCommEventReceive);
  pty.send({0x02});
  pumpFor(20);
  pty.send({0x01, 0x10});  // still in the driver: no event loop runs before the read
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_EQ(port->readAll(), (Bytes{0x35, 0x82, 0x02, 0x01, 0x10}));
  EXPECT_TRUE(port->readAll().empty());
}

TEST_F(PtyPort, BytesArrivingDuringTheHandlersPauseAreReadWithTheFirst) {
  openPort();
  int notifications = 0;
  Bytes read;
  port->onComm = [&] {
    ++notifications;
    pty.send({0x02, 0x01});  // the rest of the reply is on its way
    std::this_thread::sleep_for(std::chrono::milliseconds(10));  // as the clock's pause
    read = port->readAll();
  };
  pty.send({0x35, 0x82});
  ASSERT_TRUE(pumpUntil([&] { return notifications > 0; }));
  EXPECT_EQ(read, (Bytes{0x35, 0x82, 0x02, 0x01}));
  pumpFor(50);
  EXPECT_EQ(notifications, 1) << "nothing is left for a second notification";
}

TEST_F(PtyPort, TheHandlerNeverNestsAndGetsOneMoreCallForBytesThatCameMeanwhile) {
  openPort();
  // Each of the first two calls lets events run (as a modal message does)
  // while more bytes arrive; the second call comes from the port itself.
  const Bytes arriving[] = {{0x12, 0x34}, {0x5A, 0x7F}, {0x10, 0x01}};
  int notifications = 0, depth = 0, deepest = 0;
  std::vector<Bytes> reads;
  port->onComm = [&] {
    ++notifications;
    deepest = std::max(deepest, ++depth);
    reads.push_back(port->readAll());
    if (notifications < 3) {
      pty.send(arriving[notifications]);
      pumpFor(50);
    }
    --depth;
  };
  pty.send(arriving[0]);
  ASSERT_TRUE(pumpUntil([&] { return notifications >= 3; }));
  pumpFor(50);
  EXPECT_EQ(deepest, 1);
  EXPECT_EQ(notifications, 3);
  EXPECT_EQ(reads, std::vector<Bytes>(std::begin(arriving), std::end(arriving)));
}

TEST_F(PtyPort, WritesLeaveInOrderEvenWhenTheDriverIsFull) {
  openPort();
  // The first array is more than the pseudo-terminal holds, so its tail and
  // the arrays after it wait in the port's queue.
  const Bytes big = pattern(256 * 1024);
  const Bytes probe{0xAF}, frame{0xA5, 0x67, 0x35, 0x31, 0x31, 0x30, 0x08};
  port->write(big);
  const Bytes first = pty.take();  // the driver has room again, the queue still waits
  port->write(probe);
  port->write(frame);
  const Bytes expected = join(join(big, probe), frame);
  EXPECT_EQ(join(first, collect(pty, expected.size() - first.size())), expected);
}

TEST_F(PtyPort, DiscardingOutputDropsWhatHasNotYetLeft) {
  openPort();
  const Bytes big = pattern(1024 * 1024);
  port->write(big);
  port->discardOutput();
  const Bytes sent = collect(pty);
  EXPECT_LT(sent.size(), big.size());
  EXPECT_TRUE(std::equal(sent.begin(), sent.end(), big.begin())) << "what left is the start";
  port->write({0xAF});
  EXPECT_EQ(collect(pty, 1), Bytes{0xAF}) << "later writes go out normally";
}

TEST_F(PtyPort, BytesLeftOnTheLineBeforeTheOpeningAreNotRead) {
  pty.send({0x35, 0x82, 0x01, 0x00});  // the answer to an earlier program's offline frame
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  openPort();
  int notifications = 0;
  port->onComm = [&] { ++notifications; };
  pty.send({0x5A, 0x7F});
  ASSERT_TRUE(pumpUntil([&] { return notifications > 0; }));
  EXPECT_EQ(port->readAll(), (Bytes{0x5A, 0x7F}));
}

TEST_F(PtyPort, DiscardingInputDropsBothWhatThePortAndTheDriverHold) {
  openPort();
  int notifications = 0;
  port->onComm = [&] { ++notifications; };
  pty.send({0x35, 0x82});
  ASSERT_TRUE(pumpUntil([&] { return notifications > 0; }));
  pty.send({0x02, 0x01});
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  port->discardInput();
  EXPECT_TRUE(port->readAll().empty());
  pty.send({0x5A});
  ASSERT_TRUE(pumpUntil([&] { return notifications > 1; }));
  EXPECT_EQ(port->readAll(), Bytes{0x5A});
}

TEST_F(PtyPort, ALineThatHangsUpClosesThePortAndTellsTheOwner) {
  openPort();
  std::vector<std::string> reasons;
  port->onLost = [&](const std::string& reason) { reasons.push_back(reason); };
  pty.hangUp();
  ASSERT_TRUE(pumpUntil([&] { return !reasons.empty(); }));
  EXPECT_FALSE(port->isOpen());
  EXPECT_NE(reasons[0].find("COM15（" + pty.slave() + "）已断开"), std::string::npos)
      << reasons[0];
  port->write({0xAF});
  EXPECT_TRUE(port->readAll().empty());
  pumpFor(50);
  EXPECT_EQ(reasons.size(), 1u);
}

TEST_F(PtyPort, ClosingLiftsTheExclusiveHoldOnTheDevice) {
  openPort();
  const int other = ::open(pty.slave().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  if (::geteuid() != 0) {
    // Nobody else may open the device while the port holds it.
    EXPECT_EQ(other, -1);
    EXPECT_EQ(errno, EBUSY);
  } else {
    ASSERT_GE(other, 0);
    int exclusive = 0;
    ASSERT_EQ(::ioctl(other, TIOCGEXCL, &exclusive), 0);
    EXPECT_EQ(exclusive, 1);
    ::close(other);
  }
  port->close();
  const int again = ::open(pty.slave().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  ASSERT_GE(again, 0);
  int exclusive = 1;
  ASSERT_EQ(::ioctl(again, TIOCGEXCL, &exclusive), 0);
  EXPECT_EQ(exclusive, 0);
  ::close(again);
}

// Measures the start-up scan over sixteen absent devices; the figure is
// printed, not judged.
TEST(SerialPortScan, SixteenAbsentPortsAreTriedQuickly) {
  PortMap map;
  for (int n = 1; n <= 16; ++n) map.setDevice(n, "/nonexistent/ttyKAVEL" + std::to_string(n));
  QtSerialPort port(map);
  QElapsedTimer clock;
  clock.start();
  for (int n = 1; n <= 16; ++n) {
    port.setCommPort(n);
    EXPECT_EQ(port.open().kind, PortError::Kind::NotFound);
    port.close();
  }
  const double ms = clock.nsecsElapsed() / 1e6;
  std::printf("scan of 16 absent ports: %.3f ms\n", ms);
  ::testing::Test::RecordProperty("scan_ms", std::to_string(ms));
}

}  // namespace
}  // namespace kavel
