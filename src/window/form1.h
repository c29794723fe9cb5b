#pragma once
// The main window's logic: it owns the serial port's use, the four timers,
// the link record and every control model, and runs the window's own
// handlers (start-up, port choice, activation, panel switching, exit).
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "controls/control.h"
#include "controls/control_array.h"
#include "controls/inputs.h"
#include "graph/group_frame.h"
#include "link/clock.h"
#include "link/handshake.h"
#include "link/link_state.h"
#include "link/link_timers.h"
#include "link/reply_dispatcher.h"
#include "link/serial_port.h"
#include "panels/equalizer.h"
#include "panels/panels.h"
#include "readback/read_back.h"
#include "protocol/send_scheduler.h"
#include "window/dialogs.h"

namespace kavel {

class Form1 {
 public:
  static constexpr const char* kCaption = "KAVEL-7";
  static constexpr int kClientWidth = 946;   // 14190 twips
  static constexpr int kClientHeight = 581;  // 8715 twips
  static constexpr int kPanelCount = 5;

  Form1(SerialPort& port, Clock& clock, Dialogs& dialogs);
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  // Handlers of the window itself.
  void Form_Load();
  void Form_Activate();
  void Combo3_Click();
  void Command17_Click(int index);
  // A request to close the window; true when the window may close.
  bool QueryUnload();

  // The online guard every Part applies before it starts an exchange.
  bool online() const { return port.isOpen() && !mnulianji.enabled(); }

  // The number in a port name: the characters from the fourth on, at most
  // two ("COM3" gives 3, "COM12" gives 12).
  static int portNumber(const std::string& name);

  SerialPort& port;
  Clock& clock;
  Dialogs& dialogs;
  LinkState state;
  LinkTimers timers;

  // Top bar.
  GroupFrame XPContainer1{"XPContainer1"};
  Button Command13{"Command13"};
  Button Command7{"Command7"};
  Button Command8{"Command8"};
  Button Command9{"Command9"};
  ControlArray<Button> Command17{"Command17"};
  Label Label6{"Label6"};
  ComboBox Combo3{"Combo3"};
  // Second row: the three master volumes.
  ControlArray<Label> Label1{"Label1"};
  Slider M_VSlide1{"M_VSlide1"};
  TextBox M_Vtxt{"M_Vtxt"};
  ControlArray<Label> Label3{"Label3"};
  Slider Yvslide1{"Yvslide1"};
  TextBox Text2{"Text2"};
  ControlArray<Slider> ctSlide1{"ctSlide1"};
  ControlArray<TextBox> Text8{"Text8"};
  // The five panel frames, one shown at a time.
  ControlArray<GroupFrame> Lkframe{"Lkframe"};
  // Status line and progress caption.
  Label Label8{"Label8"};
  Label Label9{"Label9"};
  // Menus.
  MenuItem mnufile{"mnufile"};
  MenuItem mnuexit{"mnuexit"};
  MenuItem mnusteup{"mnusteup"};
  MenuItem mnulianji{"mnulianji"};
  MenuItem mnutuoji{"mnutuoji"};
  MenuItem mnuhelp{"mnuhelp"};
  MenuItem mnuabout{"mnuabout"};

  // --- Device link: the panels' controls, the send timers, the handshake
  // and the reply dispatcher. Each link part takes its timer ticks, menu
  // clicks or port notification when it is constructed.
  Panels panels;
  // The six equalizers: MicEQLine1/ucSlider1/dcButton1 .. ucEQLine11/ucSlider6/dcButton6.
  Equalizer& eq(Eq e) { return *equalizers_[static_cast<int>(e)]; }
  SendScheduler sender{*this};
  Handshake handshake{*this};
  ReplyDispatcher dispatcher{*this, handshake};
  ReadBack readBack{*this, dispatcher};

  // The file chosen last in the preset save or load dialog; both start with it.
  std::string presetFileName;

  // Set by the shell: applies the window's skin at start-up.
  std::function<void()> applySkin;
  // Set by the shell: the window is to close (after a confirmed exit).
  std::function<void()> closeWindow;

 private:
  void layoutTopBar();
  void layoutPanels();
  void layoutStatus();
  void buildMenus();
  void buildEqualizers();
  void rs232();
  // Opens the port named in Combo3; tells the operator when it fails.
  bool openChosenPort();

  std::array<std::unique_ptr<Equalizer>, kEqCount> equalizers_;
};

}  // namespace kavel
