// The reply table: its 111 entries in order, each with its code, condition,
// action and the timer an acknowledgement stops.
#include "link/reply_table.h"

#include <gtest/gtest.h>

namespace kavel {
namespace {

using When = ReplyEntry::When;

struct Expected {
  const char* code;
  When when;
  std::vector<Integer> kindsOrModel;  // the kinds, or the one device model
  ReplyAction action;
  Owner timer = Owner::Timer2;
};

std::vector<Expected> expectedTable() {
  const auto A = ReplyAction::Acknowledged;
  std::vector<Expected> t = {
      {"5A7F", When::DeviceModel, {1}, ReplyAction::ProbeAnswered},
      {"5A76", When::DeviceModel, {2}, ReplyAction::ProbeAnswered},
      {"5A76", When::DeviceModel, {3}, ReplyAction::ProbeAnswered},
      {"5A79", When::DeviceModel, {3}, ReplyAction::ProbeAnswered},
      {"5A79", When::Always, {}, ReplyAction::UnsupportedDevice},
      {"3582017F", When::Kind, {1}, ReplyAction::ConnectAcknowledged},
  };
  for (const char* code :
       {"1001", "1002", "1003", "1004", "1005", "1006", "1007", "1008", "1009", "100A",
        "100B", "100C", "100D", "100E", "100F", "1010", "1011", "1012", "1013", "1014",
        "1015", "1016", "1017", "1018", "1019", "101A", "101B", "101C", "101D", "101E",
        "101F", "1020", "1021", "1022", "1023", "1024", "1025", "1026", "1027"})
    t.push_back({code, When::Kind, {11}, ReplyAction::ReadBackBlock});
  t.push_back({"35820100", When::Kind, {1}, ReplyAction::OfflineAcknowledged});
  const std::vector<std::pair<const char*, std::vector<Integer>>> timer2 = {
      {"35820201", {2}},  {"35820202", {3}},  {"3582020B", {76}}, {"35820203", {4}},
      {"35820204", {5}},  {"35820205", {6}},  {"35820206", {7}},  {"35820207", {8}},
      {"35820208", {53}}, {"3582020A", {75}}, {"3582020C", {100, 101}}, {"3582020D", {18}},
      {"35820301", {9}},  {"35820302", {10}}, {"358203", {12}},   {"35820306", {13}},
      {"35820307", {14}}, {"35820308", {15}}, {"35820309", {16}}, {"3582030A", {55}},
      {"3582030B", {56}}, {"3582030C", {72}}, {"3582030E", {98}}, {"3582030F", {99}},
      {"35820310", {102, 103}}, {"3582070A", {46}}, {"3582070B", {47}}, {"3582070C", {49}},
      {"3582070D", {50}}, {"3582070E", {51}}, {"3582070F", {52}}, {"35820701", {36}},
      {"35820708", {44}}, {"35820709", {45}}, {"35820702", {37}}, {"35820703", {38}},
      {"35820704", {40}}, {"35820705", {41}}, {"35820706", {42}}, {"35820707", {43}},
  };
  for (const auto& [code, kinds] : timer2) t.push_back({code, When::Kind, kinds, A, Owner::Timer2});
  const std::vector<std::pair<const char*, Integer>> timer3 = {
      {"35820501", 24}, {"358205", 25},   {"35820505", 28}, {"35820601", 30}, {"358206", 31},
      {"35820605", 34}, {"35820401", 19}, {"35820402", 20}, {"35820405", 78}, {"35820403", 21},
      {"35820404", 22}, {"35820801", 59}, {"35820802", 60}, {"35820803", 61}, {"35820804", 62},
      {"35820805", 63}, {"35820806", 64}, {"3582080B", 65}, {"35820807", 66}, {"35820808", 67},
      {"35820809", 69}, {"35820209", 73}, {"3582030D", 74},
  };
  for (const auto& [code, kind] : timer3) t.push_back({code, When::Kind, {kind}, A, Owner::Timer3});
  t.push_back({"358212", When::Kind, {70}, ReplyAction::SavedToMode});
  t.push_back({"358213", When::Kind, {71, 77, 79}, ReplyAction::BulkImportDone});
  return t;
}

TEST(ReplyTable, TheEntriesInOrder) {
  const auto expected = expectedTable();
  const auto& table = replyTable();
  ASSERT_EQ(expected.size(), 111u);
  ASSERT_EQ(table.size(), expected.size());
  for (std::size_t i = 0; i < table.size(); ++i) {
    const ReplyEntry& e = table[i];
    const Expected& x = expected[i];
    SCOPED_TRACE("entry " + std::to_string(i + 1) + " " + x.code);
    EXPECT_EQ(e.code, x.code);
    EXPECT_EQ(e.when, x.when);
    EXPECT_EQ(e.action, x.action);
    if (x.when == When::Kind) {
      EXPECT_EQ(e.kinds, x.kindsOrModel);
    }
    if (x.when == When::DeviceModel) {
      EXPECT_EQ(e.deviceModel, x.kindsOrModel[0]);
    }
    if (x.action == ReplyAction::Acknowledged) {
      EXPECT_EQ(e.timer, x.timer);
    }
    if (x.action == ReplyAction::ReadBackBlock) {
      EXPECT_EQ(e.block, int(i) - 5);
    }
  }
}

TEST(ReplyTable, FirstMatchWinsOnTheStartOfTheText) {
  LinkState s;
  s.deviceModel = 3;
  EXPECT_EQ(matchReply("5A79", s)->action, ReplyAction::ProbeAnswered) << "model 3 before entry 5";
  EXPECT_EQ(matchReply("5A79", s)->modelColumn, 3);
  EXPECT_EQ(matchReply("5A7600FF", s)->modelColumn, 2) << "trailing bytes do not matter";
  s.deviceModel = 2;
  EXPECT_EQ(matchReply("5A79", s)->action, ReplyAction::UnsupportedDevice);
  EXPECT_EQ(matchReply("5A7F", s), nullptr) << "a probe reply of another model";
  s.commandKind = 12;
  EXPECT_EQ(matchReply("35820377", s)->code, "358203");
  EXPECT_EQ(matchReply("3582", s), nullptr) << "shorter than every code";
  EXPECT_EQ(matchReply("5A", s), nullptr);
  EXPECT_EQ(matchReply("", s), nullptr);
  s.commandKind = 11;
  s.readBlock = 3;
  EXPECT_EQ(matchReply("1005", s)->block, 5) << "the reply's own block number decides";
  EXPECT_EQ(matchReply("1028", s), nullptr);
}

}  // namespace
}  // namespace kavel
