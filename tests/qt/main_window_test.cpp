// The main window on the offscreen platform: it mirrors the core's models,
// asks before closing, and renders its layout.
#include "qt/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

#include "link/memory_port.h"
#include "link/virtual_clock.h"
#include "window/scripted_dialogs.h"

namespace kavel {
namespace {

struct Fixture {
  Fixture() : port(clock) { port.setAvailable({2, 5}); }
  VirtualClock clock;
  MemoryPort port;
  ScriptedDialogs dialogs;
  Form1 form{port, clock, dialogs};
  MainWindow window{form};
};

TEST(MainWindowView, ClientAreaTitleAndTopBar) {
  Fixture f;
  f.form.Form_Load();
  f.window.show();
  EXPECT_EQ(f.window.windowTitle(), "KAVEL-7");
  EXPECT_EQ(f.window.centralWidget()->size(), QSize(946, 581));
  auto* save = f.window.findChild<QPushButton*>("Command7");
  ASSERT_NE(save, nullptr);
  EXPECT_EQ(save->text(), "保存参数到电脑");
  EXPECT_EQ(save->geometry(), QRect(96, 8, 105, 25));
  auto* ports = f.window.findChild<QComboBox*>("Combo3");
  ASSERT_NE(ports, nullptr);
  ASSERT_EQ(ports->count(), 2);
  EXPECT_EQ(ports->currentText(), "COM5");
  EXPECT_EQ(ports->itemData(0, Qt::ToolTipRole).toString(), "COM2 = mem2");
  QStringList menus;
  for (QAction* a : f.window.menuBar()->actions()) menus << a->text();
  EXPECT_EQ(menus, (QStringList{"文件", "设置", "帮助"}));
}

TEST(MainWindowView, PanelButtonsShowOneFrame) {
  Fixture f;
  f.window.show();
  for (int i = 0; i < Form1::kPanelCount; ++i) EXPECT_FALSE(f.window.panelFrame(i)->isVisible());
  f.window.findChild<QPushButton*>("Command17(2)")->click();
  for (int i = 0; i < Form1::kPanelCount; ++i) EXPECT_EQ(f.window.panelFrame(i)->isVisible(), i == 2);
}

TEST(MainWindowView, CloseAsksAndCancelKeepsTheWindow) {
  Fixture f;
  f.window.show();
  f.dialogs.answers = {MessageResult::Cancel, MessageResult::Ok};
  EXPECT_FALSE(f.window.close());
  EXPECT_TRUE(f.window.isVisible());
  EXPECT_TRUE(f.window.close());
  EXPECT_EQ(f.dialogs.shown.size(), 2u);
}

TEST(MainWindowView, ExitFromTheMenuAsksOnce) {
  Fixture f;
  f.form.Form_Load();
  f.window.show();
  f.dialogs.shown.clear();
  f.form.mnuexit.click();
  EXPECT_EQ(f.dialogs.shown.size(), 1u);
  EXPECT_FALSE(f.window.isVisible());
  EXPECT_EQ(f.port.writes.size(), 1u);
}

TEST(MainWindowView, LinkLabelFollowsItsModel) {
  Fixture f;
  f.window.show();
  auto* status = f.window.findChild<QLabel*>("Label8");
  ASSERT_NE(status, nullptr);
  EXPECT_EQ(status->text(), "脱 机 状 态");
  f.form.Label8.setCaption("联 机 状 态");
  EXPECT_EQ(status->text(), "联 机 状 态");
}

TEST(MainWindowView, ProgressCaptionIsShownWhole) {
  Fixture f;
  f.window.show();
  auto* progress = f.window.findChild<QLabel*>("Label9");
  ASSERT_NE(progress, nullptr);
  f.form.Label9.setVisible(true);
  f.form.Label9.setCaption("正在加载环绕部分数据.......");
  EXPECT_EQ(progress->x(), 400);
  EXPECT_GE(progress->width(), progress->fontMetrics().horizontalAdvance(progress->text()));
}

// Renders the window to a PNG when KAVEL_RENDER_DIR is set, for a person to look at.
TEST(MainWindowView, RendersToPng) {
  Fixture f;
  f.form.Form_Load();
  f.window.show();
  f.form.Command17[0].click();
  const QImage image = f.window.grab().toImage();
  EXPECT_EQ(image.width(), f.window.width());
  // The window's background grey between the top bar and the panel.
  const QPoint client = f.window.centralWidget()->mapTo(&f.window, QPoint(3, 100));
  EXPECT_EQ(image.pixelColor(client), QColor(101, 101, 101));
  if (const QByteArray dir = qgetenv("KAVEL_RENDER_DIR"); !dir.isEmpty())
    image.save(QString::fromUtf8(dir) + "/main_window.png");
}

}  // namespace
}  // namespace kavel
