// The microphone, music and effect panels on the offscreen platform: every control
// inside its frame and clear of the others for each processor model, texts
// that fit their boxes, and the models' changes reaching the widgets.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <string>
#include <vector>

#include "link/device_models.h"
#include "link/memory_port.h"
#include "link/virtual_clock.h"
#include "qt/dark_style.h"
#include "qt/main_window.h"
#include "window/scripted_dialogs.h"

namespace kavel {
namespace {

struct Fixture {
  Fixture() : port(clock) {
    port.setAvailable({2});
    form.applySkin = [] { applyDarkStyle(*qApp); };
    form.Form_Load();
    window.show();
  }
  template <typename W>
  W* widget(const std::string& name) {
    W* w = window.findChild<W*>(QString::fromStdString(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  VirtualClock clock;
  MemoryPort port;
  ScriptedDialogs dialogs;
  Form1 form{port, clock, dialogs};
  MainWindow window{form};
};

// The panel's own widgets (the frame's caption has no name).
std::vector<QWidget*> shownControls(QWidget* frame) {
  std::vector<QWidget*> out;
  for (QWidget* w : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (!w->objectName().isEmpty() && w->isVisibleTo(frame)) out.push_back(w);
  return out;
}

const char* const kModelNames[kModelColumns] = {"1", "2", "3", "3b"};

TEST(PanelViews, EveryControlInsideItsFrameAndClearOfTheOthers) {
  Fixture f;
  // Inside the border, below the title strip.
  const QRect body(1, GroupFrame::kBodyTop, 927, 481 - GroupFrame::kBodyTop - 1);
  for (int column = 0; column < kModelColumns; ++column) {
    applyModel(f.form, column);
    for (int panel : {0, 1, 2, 4}) {
      SCOPED_TRACE(std::string("model ") + kModelNames[column] + ", panel " +
                   std::to_string(panel));
      const std::vector<QWidget*> shown = shownControls(f.window.panelFrame(panel));
      ASSERT_GT(shown.size(), 40u);
      for (QWidget* w : shown)
        EXPECT_TRUE(body.contains(w->geometry())) << w->objectName().toStdString();
      for (std::size_t i = 0; i < shown.size(); ++i) {
        for (std::size_t j = i + 1; j < shown.size(); ++j) {
          const QRect a = shown[i]->geometry(), b = shown[j]->geometry();
          // A group's frame is drawn behind its controls: they lie wholly inside or outside it.
          const bool framed =
              qobject_cast<QGroupBox*>(shown[i]) || qobject_cast<QGroupBox*>(shown[j]);
          const bool fine =
              framed ? !a.intersects(b) || a.contains(b) || b.contains(a) : !a.intersects(b);
          EXPECT_TRUE(fine) << shown[i]->objectName().toStdString() << " and "
                            << shown[j]->objectName().toStdString();
        }
      }
    }
  }
}

// The graphs' width decides the default band frequencies; none may pass 20000 Hz.
TEST(PanelViews, DefaultBandsStayWithinTheFrequencyRange) {
  Fixture f;
  for (Eq eq : {Eq::Mic, Eq::Music, Eq::Effect}) {
    Equalizer& e = f.form.eq(eq);
    EXPECT_NEAR(e.editor(0).F(), 20, 1e-6);
    EXPECT_LE(e.editor(e.bands() - 1).F(), 20000);
    EXPECT_GE(e.editor(e.bands() - 1).F(), 19000);
  }
}

// The subwoofer's default bands stay within its 20 .. 400 Hz.
TEST(PanelViews, SubwooferDefaultBandsStayAtOrBelow400Hz) {
  Fixture f;
  Equalizer& e = f.form.eq(Eq::Sub);
  for (int band = 1; band < e.bands(); ++band)
    EXPECT_LT(e.editor(band - 1).F(), e.editor(band).F());
  EXPECT_GE(e.editor(0).F(), 20);
  EXPECT_LE(e.editor(e.bands() - 1).F(), 400);
}

TEST(PanelViews, HiddenRowsCloseUp) {
  Fixture f;
  applyModel(f.form, 0);
  const int lowPassTop = f.widget<QSlider>("ctSlide11")->y();
  const int phaseTop = f.widget<QPushButton>("Command3")->y();
  const int compressorTop = f.widget<QGroupBox>("Frame1")->y();
  applyModel(f.form, 3);  // 3b: no low-pass row, no feedback suppression
  EXPECT_FALSE(f.widget<QSlider>("ctSlide11")->isVisibleTo(f.window.panelFrame(0)));
  EXPECT_EQ(f.widget<QPushButton>("Command3")->y(), lowPassTop);
  EXPECT_LT(f.widget<QGroupBox>("Frame1")->y(), compressorTop);
  applyModel(f.form, 0);
  EXPECT_EQ(f.widget<QPushButton>("Command3")->y(), phaseTop);
}

// The widest text each read-out can show, and each button's widest caption.
struct Widest {
  const char* name;
  const char* text;
};
const Widest kReadOuts[] = {
    {"MdTxt", "20000"},    {"Text19", "20000"},  {"Text20", "20KHz"},  {"Text1(0)", "-30dB"},
    {"Text6(0)", "-30dB"}, {"Text1(1)", "100%"}, {"Text6(1)", "100%"}, {"Text1(2)", "127"},
    {"Text6(3)", "127"},   {"Text3(0)", "80"},   {"Text3(2)", "80"},   {"Text4", "LR 100%"},
    {"Text4", "L 100%"},   {"Text4", "R 100%"},  {"Text5", "-6"},      {"Text5", " 6"},
    {"M_Vtxt", "80"},      {"Text2", "80"},
    {"Text7(0)", "100%"},  {"Text7(1)", "400ms"}, {"Text7(2)", "1001HZ"}, {"Text7(3)", "4.25KHZ"},
    {"Text9(0)", "100ms"}, {"Text9(1)", "10s"},   {"Text9(2)", "1001HZ"}, {"Text9(3)", "4.25KHZ"},
    {"Text8(1)", "回声+混响"}, {"Text8(1)", "混响 100%"}, {"Text8(1)", "回声 100%"}, {"Text8(0)", "50"},
    {"Text12(0)", "80"},   {"Text12(1)", "400Hz"}, {"Text12(1)", "150HZ"}, {"Text12(2)", "400HZ"},
    {"Text13", "80"},      {"Text14", "80"},     {"Text17", "80"},     {"Text18", "8s"},
};
const Widest kButtons[] = {
    {"Command10", "LH-PASS OFF"}, {"dcButton8", "LH-PASS OFF"}, {"Command10", "LH-PASS ON"},
    {"dcButton7", "EQ PASS"},     {"dcButton9", "EQ PASS"},     {"Command1", "REST"},
    {"Command16", "REST"},        {"Command3", "180"},          {"Command4", "180"},
    {"dcButton1(12)", "OFF"},     {"dcButton2(0)", "OFF"},      {"Ybcnd(12)", "#6"},
    {"Ybcnd(0)", "<>"},            {"Command5", "180"},          {"Command6", "180"},
    {"dcButton3(6)", "OFF"},
    {"Command2", "180"},          {"Command11", "手动"},        {"Command12", "关"},
    {"dcButton10", "OFF"},        {"dcButton6(4)", "OFF"},
};

TEST(PanelViews, TextsFitTheirBoxesButtonsAndLabels) {
  Fixture f;
  for (const Widest& w : kReadOuts) {
    QLineEdit* box = f.widget<QLineEdit>(w.name);
    box->setText(QString::fromUtf8(w.text));
    // One pixel of border and two of margin at either side.
    EXPECT_LE(box->fontMetrics().horizontalAdvance(box->text()) + 6, box->width())
        << w.name << " \"" << w.text << "\"";
  }
  for (const Widest& w : kButtons) {
    QPushButton* b = f.widget<QPushButton>(w.name);
    b->setText(QString::fromUtf8(w.text));
    EXPECT_LE(b->fontMetrics().horizontalAdvance(b->text()) + 6, b->width()) << w.name;
  }
  for (int panel : {0, 1, 2, 4}) {
    for (QWidget* w : shownControls(f.window.panelFrame(panel))) {
      if (auto* label = qobject_cast<QLabel*>(w)) {
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
            << label->objectName().toStdString();
      }
      if (auto* box = qobject_cast<QCheckBox*>(w)) {
        EXPECT_LE(box->sizeHint().width(), box->width());
      }
    }
  }
}

// The colour a button shows beside its caption, as "#rrggbb".
QString middleLeft(QWidget* w) { return w->grab().toImage().pixelColor(4, w->height() / 2).name(); }

TEST(PanelViews, CaptionsColoursAndVisibilityFollowTheModels) {
  Fixture f;
  f.form.Command17[0].click();
  Button& band = f.form.eq(Eq::Mic).bandButtons[3];
  QPushButton* bandButton = f.widget<QPushButton>("dcButton1(3)");
  EXPECT_EQ(bandButton->text(), "OFF");
  EXPECT_EQ(middleLeft(bandButton), QColor(64, 64, 64).name());
  band.setCaption("ON");
  band.setBackColor(colors::green);
  EXPECT_EQ(bandButton->text(), "ON");
  EXPECT_EQ(middleLeft(bandButton), QColor(0, 192, 0).name());

  f.form.panels.dcButton7.setBackColor(colors::brightGreen);
  EXPECT_EQ(middleLeft(f.widget<QPushButton>("dcButton7")), QColor(0, 255, 0).name());
  f.form.panels.Command3.setCaption("0");
  EXPECT_EQ(f.widget<QPushButton>("Command3")->text(), "0");
  f.form.panels.Text20.setText("12KHz");
  EXPECT_EQ(f.widget<QLineEdit>("Text20")->text(), "12KHz");
  f.form.panels.dcButton9.setVisible(false);
  EXPECT_FALSE(f.widget<QPushButton>("dcButton9")->isVisibleTo(f.window.panelFrame(1)));
}

TEST(PanelViews, BarsAndCheckBoxReportTheOperatorOnly) {
  Fixture f;
  Slider& ratio = f.form.panels.VScroll1[1];
  QScrollBar* bar = f.widget<QScrollBar>("VScroll1(1)");
  int moves = 0;
  ratio.moved.connect([&moves](int) { ++moves; });
  ratio.setValue(40);  // from code: the bar follows, nothing is reported
  EXPECT_EQ(bar->value(), 40);
  EXPECT_EQ(moves, 0);
  bar->setValue(63);  // the operator
  EXPECT_EQ(ratio.value(), 63);
  EXPECT_EQ(moves, 1);
  EXPECT_EQ(f.form.panels.Text1[1].text(), "100%");
  // The largest value at the top.
  EXPECT_TRUE(bar->invertedAppearance());

  CheckBox& suppress = f.form.panels.Check1;
  QCheckBox* box = f.widget<QCheckBox>("Check1");
  int clicks = 0;
  suppress.clicked.connect([&clicks] { ++clicks; });
  box->click();
  EXPECT_EQ(suppress.value(), 1);
  EXPECT_EQ(clicks, 1);
  suppress.setValue(0);
  EXPECT_FALSE(box->isChecked());
  EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace kavel
