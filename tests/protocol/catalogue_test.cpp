// The command catalogue, row by row: frame length, group and code bytes,
// acknowledgement, owning timer and how the starting control starts it.
#include "protocol/catalogue.h"

#include <gtest/gtest.h>

#include <set>

#include "protocol/build_frame.h"
#include "rig.h"

namespace kavel {
namespace {

using testing::Rig;

constexpr Owner T2 = Owner::Timer2, T3 = Owner::Timer3;

struct Row {
  int kind;
  int length, group, code;  // frame bytes 6, 7 and 8
  const char* ack;
  Owner owner;
};

// Written from the command lists: every command once.
const Row kRows[] = {
    {2, 0x08, 0x02, 0x01, "35820201", T2},   {9, 0x08, 0x03, 0x01, "35820301", T2},
    {36, 0x08, 0x07, 0x01, "35820701", T2},  {24, 0x08, 0x05, 0x01, "35820501", T3},
    {30, 0x08, 0x06, 0x01, "35820601", T3},  {19, 0x08, 0x04, 0x01, "35820401", T3},
    {100, 0x11, 0x02, 0x0C, "3582020C", T2}, {101, 0x11, 0x02, 0x0C, "3582020C", T2},
    {102, 0x0F, 0x03, 0x10, "35820310", T2}, {103, 0x0F, 0x03, 0x10, "35820310", T2},
    {3, 0x04, 0x02, 0x02, "35820202", T2},   {4, 0x04, 0x02, 0x03, "35820203", T2},
    {5, 0x04, 0x02, 0x04, "35820204", T2},   {6, 0x04, 0x02, 0x05, "35820205", T2},
    {7, 0x04, 0x02, 0x06, "35820206", T2},   {8, 0x04, 0x02, 0x07, "35820207", T2},
    {53, 0x04, 0x02, 0x08, "35820208", T2},  {73, 0x04, 0x02, 0x09, "35820209", T3},
    {75, 0x04, 0x02, 0x0A, "3582020A", T2},  {76, 0x04, 0x02, 0x0B, "3582020B", T2},
    {18, 0x04, 0x02, 0x0D, "3582020D", T2},  {10, 0x04, 0x03, 0x02, "35820302", T2},
    {12, 0x04, 0x03, 0x03, "358203", T2},    {13, 0x04, 0x03, 0x06, "35820306", T2},
    {14, 0x04, 0x03, 0x07, "35820307", T2},  {15, 0x04, 0x03, 0x08, "35820308", T2},
    {16, 0x04, 0x03, 0x09, "35820309", T2},  {55, 0x04, 0x03, 0x0A, "3582030A", T2},
    {56, 0x04, 0x03, 0x0B, "3582030B", T2},  {72, 0x04, 0x03, 0x0C, "3582030C", T2},
    {74, 0x04, 0x03, 0x0D, "3582030D", T3},  {98, 0x04, 0x03, 0x0E, "3582030E", T2},
    {99, 0x04, 0x03, 0x0F, "3582030F", T2},  {20, 0x04, 0x04, 0x02, "35820402", T3},
    {21, 0x04, 0x04, 0x03, "35820403", T3},  {22, 0x04, 0x04, 0x04, "35820404", T3},
    {78, 0x04, 0x04, 0x05, "35820405", T3},  {25, 0x04, 0x05, 0x02, "358205", T3},
    {28, 0x04, 0x05, 0x05, "35820505", T3},  {31, 0x04, 0x06, 0x02, "358206", T3},
    {34, 0x04, 0x06, 0x05, "35820605", T3},  {37, 0x04, 0x07, 0x02, "35820702", T2},
    {38, 0x04, 0x07, 0x03, "35820703", T2},  {40, 0x04, 0x07, 0x04, "35820704", T2},
    {41, 0x04, 0x07, 0x05, "35820705", T2},  {42, 0x05, 0x07, 0x06, "35820706", T2},
    {43, 0x05, 0x07, 0x07, "35820707", T2},  {44, 0x04, 0x07, 0x08, "35820708", T2},
    {45, 0x04, 0x07, 0x09, "35820709", T2},  {46, 0x04, 0x07, 0x0A, "3582070A", T2},
    {47, 0x04, 0x07, 0x0B, "3582070B", T2},  {49, 0x04, 0x07, 0x0C, "3582070C", T2},
    {50, 0x04, 0x07, 0x0D, "3582070D", T2},  {51, 0x05, 0x07, 0x0E, "3582070E", T2},
    {52, 0x05, 0x07, 0x0F, "3582070F", T2},  {59, 0x04, 0x08, 0x01, "35820801", T3},
    {60, 0x04, 0x08, 0x02, "35820802", T3},  {61, 0x04, 0x08, 0x03, "35820803", T3},
    {62, 0x04, 0x08, 0x04, "35820804", T3},  {63, 0x04, 0x08, 0x05, "35820805", T3},
    {64, 0x04, 0x08, 0x06, "35820806", T3},  {66, 0x04, 0x08, 0x07, "35820807", T3},
    {67, 0x04, 0x08, 0x08, "35820808", T3},  {69, 0x04, 0x08, 0x09, "35820809", T3},
    {65, 0x04, 0x08, 0x0B, "3582080B", T3},  {1, 0x02, 0x01, 0x7F, "3582017F", T2},
    {11, 0x05, 0x00, 0x00, "", T2},          {70, 0x02, 0x12, 0x03, "358212", T3},
};

TEST(Catalogue, EveryRowBuildsItsFrameAndAcknowledgement) {
  for (const Row& row : kRows) {
    Rig rig;
    LinkState& s = rig.state();
    s.commandKind = Integer(row.kind);
    s.paramIndex = 0;
    // What the starting controls would store: the row code of a shared
    // number, the online value of the link command, a memory mode.
    s.paramCode = row.kind == 1 ? 0x7F : Integer(row.code);
    s.saveModeText = "3";
    const auto frame = buildFrame(row.kind, rig.form);
    ASSERT_TRUE(frame) << row.kind;
    ASSERT_EQ(frame->size(), 7u + row.length) << row.kind;
    EXPECT_EQ((*frame)[6], row.length) << row.kind;
    EXPECT_EQ((*frame)[7], row.group) << row.kind;
    EXPECT_EQ((*frame)[8], row.code) << row.kind;
    EXPECT_EQ(ackText(row.kind, s), row.ack) << row.kind;
    EXPECT_EQ(ownerOf(row.kind), row.owner) << row.kind;
  }
}

TEST(Catalogue, HoldsExactlyTheListedCommands) {
  std::multiset<int> listed, catalogued;
  for (const Row& row : kRows) listed.insert(row.kind);
  for (const Command& c : commandCatalogue()) catalogued.insert(c.number);
  EXPECT_EQ(catalogued, listed);
}

TEST(Catalogue, OwnerOfEveryKind) {
  // The owner lists of the send timers, as ranges.
  std::set<int> timer2, timer3;
  for (auto [lo, hi] : {std::pair{1, 16}, {18, 18}, {36, 38}, {40, 47}, {49, 53}, {55, 56},
                        {72, 72}, {75, 76}, {98, 103}})
    for (int k = lo; k <= hi; ++k) timer2.insert(k);
  for (auto [lo, hi] : {std::pair{19, 22}, {24, 25}, {28, 28}, {30, 31}, {34, 34}, {59, 67},
                        {69, 70}, {73, 74}, {78, 78}})
    for (int k = lo; k <= hi; ++k) timer3.insert(k);
  const std::set<int> timer4{71, 77, 79};
  for (int kind = -1; kind <= 130; ++kind) {
    std::optional<Owner> expected;
    if (timer2.count(kind)) expected = Owner::Timer2;
    if (timer3.count(kind)) expected = Owner::Timer3;
    if (timer4.count(kind)) expected = Owner::Timer4;
    EXPECT_EQ(ownerOf(kind), expected) << kind;
  }
}

TEST(Catalogue, StartingControls) {
  // Four switches skip the probe; all others start through it.
  for (const Command& c : commandCatalogue()) {
    const Start expected = c.number == 18 || c.number == 75 || c.number == 99 ? Start::Timer2
                           : c.number == 65                                   ? Start::Timer3
                                                                              : Start::Probe;
    EXPECT_EQ(c.start, expected) << c.number;
  }
  EXPECT_STREQ(findCommand(76)->startedBy, "ctSlide11");
  EXPECT_STREQ(findCommand(65)->startedBy, "dcButton10");
  EXPECT_STREQ(findCommand(31)->parameters[3], "surroundDelay");
  EXPECT_EQ(findCommand(12)->rowCodes, (std::array<Byte, 4>{0x03, 0x04, 0x05, 0x00}));
  EXPECT_EQ(findCommand(25)->rowCodes, (std::array<Byte, 4>{0x02, 0x03, 0x04, 0x00}));
  EXPECT_EQ(findCommand(31)->rowCodes, (std::array<Byte, 4>{0x02, 0x03, 0x04, 0x06}));
  EXPECT_EQ(findCommand(17), nullptr) << "17 is not assigned";
}

}  // namespace
}  // namespace kavel
