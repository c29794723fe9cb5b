#pragma once
// Connecting and going offline: the probe cycle that addresses the three
// models in turn, what a probe reply switches on, the connect and offline
// acknowledgements and the link display.
namespace kavel {

class Form1;

class Handshake {
 public:
  static constexpr const char* kConnectFailed =
      "连接设备失败!请检查数据连接线是否接好,或者选择其他通信端口进行联机!";
  static constexpr const char* kOperationFailed = "操  作  失  败!";
  static constexpr const char* kUnsupportedDevice = "当前设备无效！";
  static constexpr const char* kOffline = "脱 机 状 态";
  static constexpr const char* kOnline = "联 机 状 态";
  static constexpr const char* kWaiting = "请稍后.....";
  // Probe sends after which the cycle moves to the next model, and gives up.
  static constexpr int kModel2At = 25, kModel3At = 50, kGiveUpAt = 100;

  // Takes the clicks of mnulianji and mnutuoji and the ticks of Timer1.
  explicit Handshake(Form1& form);

  void mnulianji_Click();  // connect
  void mnutuoji_Click();   // go offline
  void Timer1_Timer();     // one probe

  // Reply actions.
  void probeAnswered(int modelColumn);
  void connectAcknowledged();
  void offlineAcknowledged();
  void unsupportedDevice();

 private:
  Form1& f_;
};

}  // namespace kavel
