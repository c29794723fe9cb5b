// The two tests every panel's table of control cases runs through.
#include "control_cases.h"

namespace kavel::testing {
namespace {

TEST_P(ControlCases, OnlineShowsThenSends) {
  const ControlCase& c = GetParam();
  goOnline();
  c.act(form());
  EXPECT_EQ(c.display(form()), c.shows);
  EXPECT_EQ(sent(), std::vector<Bytes>{hexBytes(c.frame)});
  EXPECT_EQ(rig.port.writes.front().bytes.size() > 1, c.direct) << "probe first unless direct";
  EXPECT_FALSE(rig.anyTimer()) << "acknowledged";
  EXPECT_TRUE(rig.dialogs.shown.empty());
}

TEST_P(ControlCases, OfflineOnlyShows) {
  const ControlCase& c = GetParam();
  c.act(form());
  EXPECT_EQ(c.display(form()), c.shows);
  rig.clock.advance(300);
  EXPECT_TRUE(rig.port.writes.empty());
  EXPECT_FALSE(rig.anyTimer());
}

}  // namespace
}  // namespace kavel::testing
