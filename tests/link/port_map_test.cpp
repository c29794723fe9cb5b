#include "link/port_map.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "link/port_errors.h"

namespace kavel {
namespace {

TEST(PortMap, DefaultMappingFollowsTheDeviceFamilies) {
  const PortMap map;
  const char* expected[] = {
      nullptr,        "/dev/ttyS0",   "/dev/ttyS1",   "/dev/ttyS2",   "/dev/ttyS3",
      "/dev/ttyUSB0", "/dev/ttyUSB1", "/dev/ttyUSB2", "/dev/ttyUSB3", "/dev/ttyUSB4",
      "/dev/ttyUSB5", "/dev/ttyACM0", "/dev/ttyACM1", "/dev/ttyACM2", "/dev/ttyACM3",
      "",             ""};
  for (int n = 1; n <= 16; ++n) EXPECT_EQ(map.device(n), expected[n]) << "COM" << n;
  EXPECT_EQ(map.device(0), "");
  EXPECT_EQ(map.device(17), "");
}

TEST(PortMap, WellFormedOverridesReplaceOneEntry) {
  struct Case {
    const char* text;
    int port;
    const char* device;
  };
  const Case cases[] = {
      {"COM15=/dev/pts/7", 15, "/dev/pts/7"},
      {"com5=/dev/serial/by-id/usb-FTDI_FT232R-if00-port0", 5,
       "/dev/serial/by-id/usb-FTDI_FT232R-if00-port0"},
      {"Com1=/dev/ttyUSB3", 1, "/dev/ttyUSB3"},
      {"COM16=ttyUSB0", 16, "/dev/ttyUSB0"},  // a bare name lives in /dev
      {"COM09=./pty=link", 9, "./pty=link"},  // only the first '=' splits
  };
  for (const Case& c : cases) {
    PortMap map;
    EXPECT_EQ(map.applyOverride(c.text), "") << c.text;
    EXPECT_EQ(map.device(c.port), c.device) << c.text;
    for (int n = 1; n <= 16; ++n) {
      if (n == c.port) continue;
      EXPECT_EQ(map.device(n), PortMap().device(n)) << c.text;
    }
  }
}

TEST(PortMap, MalformedOverridesAreRefusedWithTheReason) {
  struct Case {
    const char* text;
    const char* reason;
  };
  const Case cases[] = {
      {"COM5", "缺少等号"},
      {"/dev/ttyUSB0", "缺少等号"},
      {"COM0=/dev/ttyUSB0", "COM1 到 COM16"},
      {"COM17=/dev/ttyUSB0", "COM1 到 COM16"},
      {"COM=/dev/ttyUSB0", "COM1 到 COM16"},
      {"COM5x=/dev/ttyUSB0", "COM1 到 COM16"},
      {"COM-1=/dev/ttyUSB0", "COM1 到 COM16"},
      {"TTY5=/dev/ttyUSB0", "COM1 到 COM16"},
      {" COM5=/dev/ttyUSB0", "COM1 到 COM16"},
      {"COM5=", "缺少设备路径"},
  };
  for (const Case& c : cases) {
    PortMap map;
    const std::string error = map.applyOverride(c.text);
    EXPECT_NE(error.find(c.reason), std::string::npos) << c.text << ": " << error;
    EXPECT_NE(error.find(c.text), std::string::npos) << "names the text: " << error;
    EXPECT_NE(error.find("COM5=/dev/ttyUSB0"), std::string::npos) << "shows an example";
    for (int n = 1; n <= 16; ++n) EXPECT_EQ(map.device(n), PortMap().device(n)) << c.text;
  }
}

TEST(PortMap, ListingShowsEveryPortItsDeviceAndWhetherItIsThere) {
  PortMap map;
  map.setDevice(1, "/dev/null");               // there
  map.setDevice(2, "/nonexistent/ttyKAVEL");   // not there
  map.setDevice(3, "");                        // unmapped
  const auto entries = map.entries();
  ASSERT_EQ(entries.size(), 16u);
  EXPECT_EQ(entries[0].port, 1);
  EXPECT_TRUE(entries[0].exists);
  EXPECT_FALSE(entries[1].exists);
  EXPECT_EQ(entries[15].port, 16);

  const std::string text = formatPortList(entries);
  // The device column is as wide as the longest device plus three blanks.
  EXPECT_NE(text.find("COM1   /dev/null               存在\n"), std::string::npos) << text;
  EXPECT_NE(text.find("COM2   /nonexistent/ttyKAVEL   不存在\n"), std::string::npos) << text;
  EXPECT_NE(text.find("COM3   （未映射）\n"), std::string::npos) << text;
  EXPECT_NE(text.find("COM16  （未映射）\n"), std::string::npos) << text;
}

TEST(PortErrors, SystemErrorsBecomeTheOperatorsMessages) {
  struct Case {
    int err;
    PortError::Kind kind;
    const char* message;
  };
  const Case cases[] = {
      {ENOENT, PortError::Kind::NotFound, "找不到串口设备 COM5（/dev/ttyUSB0）"},
      {ENODEV, PortError::Kind::NotFound, "找不到串口设备 COM5（/dev/ttyUSB0）"},
      {EACCES, PortError::Kind::PermissionDenied,
       "权限不足：请把当前用户加入 dialout 组（sudo usermod -aG dialout $USER）后重新登录。"
       "设备：COM5（/dev/ttyUSB0）"},
      {EBUSY, PortError::Kind::Busy, "串口设备 COM5（/dev/ttyUSB0）正被其他程序占用"},
      {EIO, PortError::Kind::Other, "无法打开串口设备 COM5（/dev/ttyUSB0）：Input/output error"},
  };
  for (const Case& c : cases) {
    const PortError error = portErrorFromErrno(c.err, 5, "/dev/ttyUSB0");
    EXPECT_EQ(error.kind, c.kind) << c.err;
    EXPECT_EQ(error.message, c.message) << c.err;
  }
}

TEST(PortErrors, AnUnmappedPortSaysHowToMapIt) {
  const PortError error = unmappedPortError(16);
  EXPECT_EQ(error.kind, PortError::Kind::NotFound);
  EXPECT_EQ(error.message, "COM16 没有对应的串口设备（可用 --port COM16=设备路径 指定）");
}

}  // namespace
}  // namespace kavel
