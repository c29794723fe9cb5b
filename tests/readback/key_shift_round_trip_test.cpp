// A key shift written to the simulated processor and read back by a new
// connect shows the same number.
#include <gtest/gtest.h>

#include "block_feed.h"
#include "sim/processor.h"

namespace kavel {
namespace {

using testing::initialiseEqualizers;
using testing::Rig;

// Puts the simulated processor on the rig's line.
void attach(Rig& rig, sim::Processor& processor) {
  rig.port.responder = [&rig, &processor](const Bytes& bytes) {
    for (const sim::Exchange& ex : processor.receive(bytes, rig.clock.nowMs() * 1000))
      if (!ex.reply.empty()) rig.port.deliver(ex.reply, 2);
  };
}

void connect(Rig& rig) {
  initialiseEqualizers(rig);
  rig.form.mnulianji.click();
  ASSERT_TRUE(rig.clock.advanceUntil([&] { return rig.state().isOnline; }, 20000));
}

TEST(KeyShiftRoundTrip, EveryShiftReadsBackAsWritten) {
  for (int button = 0; button <= 12; ++button) {
    sim::Processor processor(sim::Model::M1);
    std::string written;
    {
      Rig rig;
      attach(rig, processor);
      connect(rig);
      rig.form.panels.Ybcnd[button].click();
      ASSERT_TRUE(rig.clock.advanceUntil([&] { return !rig.anyTimer(); }, 5000));
      written = rig.form.panels.Text5.text();
    }
    Rig again;
    attach(again, processor);
    connect(again);
    EXPECT_EQ(again.form.panels.Text5.text(), written) << "button " << button;
  }
}

}  // namespace
}  // namespace kavel
