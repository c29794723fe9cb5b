// The band editor widget driven by synthesized mouse and key events.
#include <vector>

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMouseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTimer>
#include <gtest/gtest.h>

#include "graph/band_editor.h"
#include "qt/band_editor_widget.h"
#include "window/scripted_dialogs.h"

namespace kavel {
namespace {

using Step = BandEditor::StepButton;

void key(QWidget* w, int code, const QString& text = {}) {
  QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, text);
  QApplication::sendEvent(w, &press);
  QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier, text);
  QApplication::sendEvent(w, &release);
}

void type(QWidget* w, const QString& text) {
  for (QChar c : text) key(w, 0, QString(c));
}

// Runs the event loop for `ms` milliseconds.
void wait(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

struct EditorView {
  EditorView() : view(editor) {
    view.show();
    editor.DBChanged.connect([this](double v) { db.push_back(v); });
    editor.FChanged.connect([this](double v) { f.push_back(v); });
    editor.QChanged.connect([this](double v) { q.push_back(v); });
  }
  void mouse(QWidget* w, QEvent::Type type, QPointF pos, Qt::MouseButton button,
             Qt::MouseButtons held) {
    QMouseEvent e(type, pos, w->mapToGlobal(pos), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
  }
  ScriptedDialogs dialogs;
  BandEditor editor{dialogs};
  BandEditorWidget view;
  std::vector<double> db, f, q;
};

TEST(BandEditorWidget, LayoutFollowsTheTwipGrid) {
  EditorView e;
  EXPECT_EQ(e.view.size(), QSize(51, 245));
  EXPECT_EQ(e.view.txtDB()->geometry(), QRect(6, 16, 29, 13));
  EXPECT_EQ(e.view.track()->geometry(), QRect(4, 38, 40, 153));
  EXPECT_EQ(e.view.txtF()->geometry(), QRect(4, 198, 41, 13));
  EXPECT_EQ(e.view.stepButton(Step::kFUp)->geometry(), QRect(40, 194, 9, 17));
  EXPECT_EQ(e.view.txtQ()->text(), "0");
  EXPECT_EQ(e.view.txtF()->toolTip(), QString::fromUtf8("手动输入按回车键有效"));
  EXPECT_TRUE(e.view.txtDB()->toolTip().isEmpty());
}

TEST(BandEditorWidget, DraggingTheKnobToTheEndsGivesPlusAndMinusTwelve) {
  EditorView e;
  QWidget* track = e.view.track();
  // The knob's top is 1065 twips = 71 pixels; press 5 pixels into it.
  const QPointF grab(10, 71 + 5);
  e.mouse(track, QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
  EXPECT_EQ(track->cursor().shape(), Qt::SizeVerCursor);
  e.mouse(track, QEvent::MouseMove, grab - QPointF(0, 200), Qt::NoButton, Qt::LeftButton);
  EXPECT_EQ(e.view.txtDB()->text(), "12.0");
  EXPECT_EQ(e.db.back(), 12);
  e.mouse(track, QEvent::MouseMove, grab + QPointF(0, 300), Qt::NoButton, Qt::LeftButton);
  EXPECT_EQ(e.view.txtDB()->text(), "-12.0");
  EXPECT_EQ(e.editor.knobTop(), 2040);
  e.mouse(track, QEvent::MouseButtonRelease, grab, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(track->cursor().shape(), Qt::ArrowCursor);
  // The arrow keys go to the knob once it has the focus.
  key(track, Qt::Key_Up);
  EXPECT_EQ(e.view.txtDB()->text(), "-11.9");
  EXPECT_DOUBLE_EQ(e.db.back(), -11.9);
}

TEST(BandEditorWidget, EnterInTheBoxesAndClicks) {
  EditorView e;
  e.editor.setVal(1000, 3, 2);
  QLineEdit* q = e.view.txtQ();
  q->setFocus();
  q->selectAll();
  type(q, "0.2");
  key(q, Qt::Key_Return);
  EXPECT_EQ(q->text(), "2.0");
  EXPECT_TRUE(e.q.empty());
  q->selectAll();
  type(q, "15");
  key(q, Qt::Key_Return);
  EXPECT_EQ(e.q, std::vector<double>{15});
  e.mouse(e.view.txtF(), QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
  e.mouse(e.view.txtF(), QEvent::MouseButtonRelease, {5, 5}, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(e.f, std::vector<double>{1000});
  e.editor.setQEnabled(false);
  EXPECT_FALSE(q->isEnabled());
  EXPECT_FALSE(e.view.stepButton(Step::kQDown)->isEnabled());
  EXPECT_TRUE(e.view.stepButton(Step::kFDown)->isEnabled());
}

TEST(BandEditorWidget, HeldStepButtonRepeatsWhileTheWindowRuns) {
  EditorView e;
  e.view.setRepeatTiming(0, 1);
  e.editor.setVal(148, 0, 1);
  QWidget* up = e.view.stepButton(Step::kFUp);
  int ticks = 0;  // another timer keeps running while the button is held
  QTimer other;
  QObject::connect(&other, &QTimer::timeout, [&] { ++ticks; });
  other.start(1);
  e.mouse(up, QEvent::MouseButtonPress, {4, 8}, Qt::LeftButton, Qt::LeftButton);
  ASSERT_EQ(e.f.size(), 1u);  // the first step comes with the press
  QElapsedTimer waited;
  waited.start();
  while (e.f.size() < 5 && waited.elapsed() < 5000) wait(1);
  e.mouse(up, QEvent::MouseButtonRelease, {4, 8}, Qt::LeftButton, Qt::NoButton);
  ASSERT_GE(e.f.size(), 5u);
  EXPECT_EQ(std::vector<double>(e.f.begin(), e.f.begin() + 5),
            (std::vector<double>{149, 150, 151, 153, 155}));
  EXPECT_GT(ticks, 0);
  const std::size_t released = e.f.size();
  wait(20);
  EXPECT_EQ(e.f.size(), released);  // the loop ended with the release
  EXPECT_FALSE(e.editor.stepping());
}

}  // namespace
}  // namespace kavel
