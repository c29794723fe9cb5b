#pragma once
// A window with its real equalizers on the virtual clock, and a processor
// on the line that acknowledges every frame.
#include <gtest/gtest.h>

#include "protocol/rig.h"

namespace kavel::testing {

struct PanelTest : ::testing::Test {
  // As after a connect: online, EQ edits allowed, neither EQ bypassed.
  void goOnline() {
    rig.goOnline();
    rig.attach(processor);
    rig.state().eqSendEnabled = true;
    rig.state().micEqActive = true;
    rig.state().musicEqActive = true;
  }
  // Lets the exchanges finish, then forgets what went out so far.
  void settle() {
    rig.clock.advance(300);
    processor.frames.clear();
    rig.port.writes.clear();
  }
  std::vector<Bytes> sent() {
    rig.clock.advance(300);
    return processor.frames;
  }
  Form1& form() { return rig.form; }
  Panels& panels() { return rig.form.panels; }
  Equalizer& eq(Eq e) { return rig.form.eq(e); }

  Rig rig{false};
  Processor processor;
};

}  // namespace kavel::testing
