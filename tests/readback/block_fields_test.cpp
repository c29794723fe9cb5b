// The field conventions of the read-back blocks and the shape of the field
// tables: where a byte is read from, and that no two fields of a block
// claim the same byte on any model.
#include "readback/block_fields.h"

#include <gtest/gtest.h>

#include <set>

#include "link/link_state.h"

namespace kavel {
namespace {

TEST(BlockFields, ByteKIsReadFromCharacters2kPlus1And2kPlus2) {
  const std::string reply = "10010A78FF";
  const std::pair<int, int> cases[] = {
      {0, 0x10}, {1, 0x01}, {2, 0x0A}, {3, 0x78}, {4, 0xFF},
      {5, 0},  // beyond the received text
      {40, 0},
  };
  for (const auto& [k, want] : cases) EXPECT_EQ(replyByte(reply, k), want) << k;
  EXPECT_EQ(replyByte("", 2), 0);
}

TEST(BlockFields, NoTwoFieldsOfABlockShareAByteOnAnyModel) {
  struct Model {
    int deviceModel;
    bool altModel3;
  };
  for (const Model m : {Model{1, false}, Model{2, false}, Model{3, false}, Model{3, true}}) {
    LinkState s;
    s.deviceModel = Integer(m.deviceModel);
    s.altModel3 = m.altModel3;
    for (int block = 1; block <= 0x27; ++block) {
      std::set<int> used;
      int lastByte = 0;
      for (const FieldRow& row : blockFields(block)) {
        EXPECT_GE(row.byte, lastByte) << "block " << block << ": fields in byte order";
        lastByte = row.byte;
        if (!applies(row.when, s)) continue;
        for (int i = 0; i < fieldWidth(row.field); ++i) {
          EXPECT_TRUE(used.insert(row.byte + i).second)
              << "model " << m.deviceModel << (m.altModel3 ? "b" : "") << ", block " << block
              << ", byte " << row.byte + i;
          EXPECT_GE(row.byte + i, 2) << "block " << block;
        }
      }
    }
  }
}

}  // namespace
}  // namespace kavel
