#pragma once
// The equalizers' start-up, and one read-back block handed to the window
// through the real receive path as the processor's reply to a read request.
#include <string>

#include <gtest/gtest.h>

#include "protocol/rig.h"

namespace kavel::testing {

// The six equalizers as the window's start-up leaves them: graphs with
// their bands, every band at its default frequency.
inline void initialiseEqualizers(Rig& rig) {
  for (int e = 0; e < kEqCount; ++e) rig.form.eq(Eq(e)).initialise();
}

// `hex` is the reply as written in a test ("10 0A 00 83 0A").
inline void feedBlock(Rig& rig, const std::string& hex) {
  rig.state().commandKind = 11;
  rig.port.deliver(hexBytes(hex));
  rig.clock.advance(ReplyDispatcher::kAssemblyMs + 5);
}

// A band as a test expects it in its band editor.
struct Band {
  double f, gain, q;
};

inline void expectEditor(Form1& f, Eq eq, int band, Band want) {
  const BandEditor& e = f.eq(eq).editor(band);
  EXPECT_DOUBLE_EQ(e.F(), want.f) << "band " << band;
  EXPECT_DOUBLE_EQ(e.db(), want.gain) << "band " << band;
  EXPECT_DOUBLE_EQ(e.Q(), want.q) << "band " << band;
}

}  // namespace kavel::testing
