#include "window/form1.h"

#include <cctype>

#include "link/port_scan.h"
#include "panels/panel_handlers.h"
#include "panels/panel_layout.h"
#include "protocol/command_frame.h"

namespace kavel {

namespace {

// The link group's command with code 0 is the offline command, written once
// on a confirmed exit while the port is open.
constexpr Byte kLinkGroup = 0x01;
constexpr Byte kGoOffline = 0x00;

const char* const kPanelNames[Form1::kPanelCount] = {"话筒", "音乐", "效果", "中置/环绕", "超低/设定"};

}  // namespace

Form1::Form1(SerialPort& port_, Clock& clock_, Dialogs& dialogs_)
    : port(port_), clock(clock_), dialogs(dialogs_), timers(clock_) {
  layoutTopBar();
  layoutPanels();
  layoutStatus();
  buildMenus();
  buildEqualizers();
  keepPanelsPlaced(*this);
}

void Form1::buildEqualizers() {
  for (int e = 0; e < kEqCount; ++e)
    equalizers_[e] = std::make_unique<Equalizer>(Eq(e), state, dialogs);
  BandReader* readers[kEqCount] = {&panels.ucSlider1, &panels.ucSlider2, &panels.ucSlider3,
                                   &panels.ucSlider4, &panels.ucSlider5, &panels.ucSlider6};
  for (int e = 0; e < kEqCount; ++e)
    *readers[e] = [this, e](int band) { return equalizers_[e]->values(band); };
  connectPanels(*this);
}

void Form1::layoutTopBar() {
  XPContainer1.setGeometry(fromTwips(0, 0, 14295, 1095));
  XPContainer1.New_Style(1);
  XPContainer1.New_BackLightColor({64, 64, 64});
  XPContainer1.New_BackDarkColor(colors::windowGrey);
  XPContainer1.New_BorderColor(colors::black);
  XPContainer1.resize(XPContainer1.geometry().width, XPContainer1.geometry().height);

  struct Place {
    Button& button;
    Geometry at;
    const char* caption;
  };
  const Place buttons[] = {
      {Command13, fromTwips(120, 120, 1215, 375), "BGM"},
      {Command7, fromTwips(1440, 120, 1575, 375), "保存参数到电脑"},
      {Command8, fromTwips(3120, 120, 1455, 375), "保存参数到设备"},
      {Command9, fromTwips(4680, 120, 1455, 375), "从电脑中调用"},
  };
  for (const Place& p : buttons) {
    p.button.setGeometry(p.at);
    p.button.setCaption(p.caption);
  }
  for (int i = 0; i < kPanelCount; ++i) {
    Command17[i].setGeometry(fromTwips(6720 + 1080 * i, 120, 975, 375));
    Command17[i].setCaption(kPanelNames[i]);
    Command17[i].clicked.connect([this, i] { Command17_Click(i); });
  }
  Label6.setGeometry(fromTwips(12120, 120, 720, 180));
  Label6.setCaption("通信端口");
  Label6.setForeColor(colors::white);
  Combo3.setGeometry(fromTwips(12960, 120, 975, 300));
  Combo3.setFontPoints(8);  // so that "COM15" fits beside the arrow
  Combo3.clicked.connect([this] { Combo3_Click(); });

  // Second row: label, slider and value box of each master volume.
  struct Master {
    Label& label;
    const char* caption;
    int left;
    Slider& slider;
    int max;
    TextBox& box;
    int boxLeft;
  };
  const Master masters[] = {
      {Label1[0], "麦克风", 120, M_VSlide1, 80, M_Vtxt, 4320},
      {Label3[0], "音乐", 5160, Yvslide1, 80, Text2, 9120},
      {Label3[7], "效果", 9840, ctSlide1[0], 50, Text8[0], 13560},
  };
  for (const Master& m : masters) {
    m.label.setGeometry(fromTwips(m.left, 720, 660, 300));
    m.label.setCaption(m.caption);
    m.label.setForeColor(colors::white);
    m.slider.setGeometry(fromTwips(m.left + 720, 720, m.boxLeft - m.left - 840, 300));
    m.slider.setRange(0, m.max);
    m.box.setGeometry(fromTwips(m.boxLeft, 720, 600, 300));
    m.box.setText("0");
  }
}

void Form1::layoutPanels() {
  for (int i = 0; i < kPanelCount; ++i) {
    GroupFrame& f = Lkframe[i];
    f.setGeometry(fromTwips(120, 1200, 13935, 7215));
    f.New_Style(0);
    f.New_HeaderLightColor({128, 128, 128});
    f.New_HeaderDarkColor({64, 64, 64});
    f.New_BackLightColor(colors::windowGrey);
    f.New_BackDarkColor(colors::windowGrey);
    f.New_BorderColor(i == 0 ? Rgb{0, 0, 192} : Rgb{0, 0, 255});
    // The blanks push the panel's name to the right of the title strip.
    f.New_Caption(std::string(i == 4 ? 62 : 63, ' ') + kPanelNames[i]);
    f.resize(f.geometry().width, f.geometry().height);
    f.setVisible(false);
  }
  // The row labels of the microphone, music and effect panels continue the top bar's arrays.
  const std::pair<Label*, const char*> rowLabels[] = {
      {&Label1[1], "麦克风高通"},   {&Label1[2], "麦克风相位"},   {&Label1[3], "麦克风低通"},
      {&Label3[19], "音乐高通"},    {&Label3[4], "音乐平衡"},     {&Label3[1], "音乐到LR音量"},
      {&Label3[2], "话筒到LR音量"}, {&Label3[3], "效果到LR音量"}, {&Label3[5], "音乐变调"},
      {&Label3[6], "回声"},         {&Label3[18], "回声相位"},    {&Label3[9], "回声延时"},
      {&Label3[10], "回声速度"},    {&Label3[11], "回声高通"},    {&Label3[12], "回声低通"},
      {&Label3[13], "混响"},        {&Label3[20], "混响相位"},    {&Label3[14], "混响延时"},
      {&Label3[15], "混响时间"},    {&Label3[16], "混响高通"},    {&Label3[17], "混响低通"},
      {&Label3[8], "效果比例"},
      {&Label3[21], "------------回声-----------"},
      {&Label3[22], "----------------混响----------------"},
  };
  for (const auto& [label, caption] : rowLabels) label->setCaption(caption);
  // The echo/reverb proportion starts all reverb, as its box says.
  ctSlide1[1].setRange(0, 100);
  ctSlide1[1].setValue(100);
  Text8[1].setText("混响 100%");
}

void Form1::layoutStatus() {
  Label8.setGeometry(fromTwips(120, 8475, 1260, 210));
  Label8.setCaption("脱 机 状 态");
  Label8.setBold(true);
  Label8.setForeColor(colors::red);
  Label9.setGeometry(fromTwips(6000, 3960, 810, 240));
  Label9.setBold(true);
  Label9.setFontPoints(12);
  Label9.setForeColor({0, 0, 255});
  // Its progress captions are far longer than its place in the layout.
  Label9.setAutoSize(true);
  Label9.setVisible(false);
}

void Form1::buildMenus() {
  mnufile.setCaption("文件");
  mnuexit.setCaption("退出");
  mnusteup.setCaption("设置");
  mnulianji.setCaption("联机");
  mnutuoji.setCaption("脱机");
  mnuhelp.setCaption("帮助");
  mnuabout.setCaption("关于");
  mnuexit.clicked.connect([this] {
    if (QueryUnload() && closeWindow) closeWindow();
  });
}

int Form1::portNumber(const std::string& name) {
  int n = 0;
  for (std::size_t i = 3; i < name.size() && i < 5; ++i) {
    if (!std::isdigit(static_cast<unsigned char>(name[i]))) break;
    n = n * 10 + (name[i] - '0');
  }
  return n;
}

void Form1::Form_Load() {
  if (applySkin) applySkin();
  for (auto& equalizer : equalizers_) equalizer->initialise();
  rs232();
  port.applySettings(LinkSettings{});
  if (state.portName.empty()) return;
  if (openChosenPort())
    dialogs.message("软件已为你自动选择" + state.portName + "为通信端口", kCaption);
}

void Form1::rs232() {
  const PortError refused = scanPorts(port, Combo3, state);
  if (!state.portName.empty()) return;
  dialogs.message("搜索串口失败.........", kCaption, MessageIcon::Error);
  // Most often the ports are there but the user may not open them.
  if (refused) dialogs.message(refused.message, kCaption, MessageIcon::Error);
}

bool Form1::openChosenPort() {
  const int n = portNumber(Combo3.text());
  port.setCommPort(n);
  const PortError error = port.open();
  if (!error) return true;
  dialogs.message("无法打开通信端口" + Combo3.text() + "（" + port.deviceName(n) + "）：" +
                      error.message,
                  kCaption, MessageIcon::Error);
  return false;
}

void Form1::Combo3_Click() {
  if (port.isOpen()) port.close();
  openChosenPort();
}

void Form1::Form_Activate() {
  if (state.isOnline && !port.isOpen()) port.open();
}

void Form1::Command17_Click(int index) {
  for (int i = 0; i < kPanelCount; ++i) Lkframe[i].setVisible(i == index);
  if (index == 0) {
    state.micPanelShown = true;
    state.musicPanelShown = false;
  } else if (index == 1) {
    state.micPanelShown = false;
    state.musicPanelShown = true;
  }
}

bool Form1::QueryUnload() {
  if (dialogs.message("你确定要退出系统吗?", "系统提示", MessageIcon::Question,
                      MessageButtons::OkCancel) != MessageResult::Ok)
    return false;
  if (port.isOpen()) {
    port.write(makeFrame(kLinkGroup, kGoOffline, {}, false));
    if (port.isOpen()) port.close();
  }
  return true;
}

}  // namespace kavel
