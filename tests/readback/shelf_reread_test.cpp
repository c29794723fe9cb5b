// A second read-back meets the shelf bands' frequencies while the shelf mode
// of the first one still holds; the panel must show what the processor holds.
#include <gtest/gtest.h>

#include "block_feed.h"
#include "panels/eq_handlers.h"

namespace kavel {
namespace {

using testing::feedBlock;
using testing::initialiseEqualizers;
using testing::Rig;

TEST(ShelfReread, BandFrequenciesReadBeforeTheShelfByteAreNotClamped) {
  Rig rig;
  initialiseEqualizers(rig);
  Form1& f = rig.form;
  setShelfMode(f, Eq::Mic, true);  // left on by an earlier read-back
  // Band 0 at 4000 Hz (code 0x04E7 = 1255), band 1 at 490 Hz (code 0x012C = 300).
  feedBlock(rig, "10 01 0A 78 04 E7 0A 78");
  feedBlock(rig, "10 02 01 2C 0A 78 00 00");
  EXPECT_DOUBLE_EQ(f.eq(Eq::Mic).editor(0).F(), 4000);
  EXPECT_DOUBLE_EQ(f.eq(Eq::Mic).editor(1).F(), 490);
  EXPECT_DOUBLE_EQ(f.eq(Eq::Mic).graph.band(1).F, 490);
  // The operator's own edit is still held inside the shelf.
  f.eq(Eq::Mic).editor(1).setF(490);
  f.eq(Eq::Mic).editor(1).FChanged.emit(490);
  EXPECT_DOUBLE_EQ(f.eq(Eq::Mic).editor(1).F(), 1000);
}

}  // namespace
}  // namespace kavel
