#include "sim/block_map.h"

#include <map>

namespace kavel::sim {

namespace {

constexpr Field S(ParamId p) { return scalar(p); }
constexpr Field Q(EqId e, int b) { return bandQ(e, b); }
constexpr Field G(EqId e, int b) { return bandGain(e, b); }
constexpr Field FH(EqId e, int b) { return bandFreqHigh(e, b); }
constexpr Field FL(EqId e, int b) { return bandFreqLow(e, b); }
constexpr Field X = spare();

// Reply bytes 2, 3, ... of every block. Equalizer bands run on from block to
// block, four bytes each: Q, gain, frequency high, frequency low.
const std::map<int, std::vector<Field>> kBlocks = {
    {0x01, {Q(micEq, 0), G(micEq, 0), FH(micEq, 0), FL(micEq, 0), Q(micEq, 1), G(micEq, 1)}},
    {0x02, {FH(micEq, 1), FL(micEq, 1), Q(micEq, 2), G(micEq, 2), FH(micEq, 2), FL(micEq, 2)}},
    {0x03, {Q(micEq, 3), G(micEq, 3), FH(micEq, 3), FL(micEq, 3), Q(micEq, 4), G(micEq, 4)}},
    {0x04, {FH(micEq, 4), FL(micEq, 4), Q(micEq, 5), G(micEq, 5), FH(micEq, 5), FL(micEq, 5)}},
    {0x05, {Q(micEq, 6), G(micEq, 6), FH(micEq, 6), FL(micEq, 6), Q(micEq, 7), G(micEq, 7)}},
    {0x06, {FH(micEq, 7), FL(micEq, 7), Q(micEq, 8), G(micEq, 8), FH(micEq, 8), FL(micEq, 8)}},
    {0x07, {Q(micEq, 9), G(micEq, 9), FH(micEq, 9), FL(micEq, 9), Q(micEq, 10), G(micEq, 10)}},
    {0x08, {FH(micEq, 10), FL(micEq, 10), Q(micEq, 11), G(micEq, 11), FH(micEq, 11),
            FL(micEq, 11)}},
    {0x09, {Q(micEq, 12), G(micEq, 12), S(micPhase), S(micEqLhPass), X, X}},
    {0x0A, {FH(micEq, 12), FL(micEq, 12), S(micHighPass), S(micLimitThreshold), S(micCompRatio),
            S(micCompRelease)}},
    {0x0B, {S(micCompAttack), S(micLowPass), Q(musicEq, 0), G(musicEq, 0), FH(musicEq, 0),
            FL(musicEq, 0)}},
    {0x0C, {Q(musicEq, 1), G(musicEq, 1), FH(musicEq, 1), FL(musicEq, 1), Q(musicEq, 2),
            G(musicEq, 2)}},
    {0x0D, {FH(musicEq, 2), FL(musicEq, 2), Q(musicEq, 3), G(musicEq, 3), FH(musicEq, 3),
            FL(musicEq, 3)}},
    {0x0E, {Q(musicEq, 4), G(musicEq, 4), FH(musicEq, 4), FL(musicEq, 4), Q(musicEq, 5),
            G(musicEq, 5)}},
    {0x0F, {FH(musicEq, 5), FL(musicEq, 5), Q(musicEq, 6), G(musicEq, 6), FH(musicEq, 6),
            FL(musicEq, 6)}},
    {0x10, {Q(musicEq, 7), G(musicEq, 7), FH(musicEq, 7), FL(musicEq, 7), Q(musicEq, 8),
            G(musicEq, 8)}},
    {0x11, {FH(musicEq, 8), FL(musicEq, 8), Q(musicEq, 9), G(musicEq, 9), FH(musicEq, 9),
            FL(musicEq, 9)}},
    // block 0x12 depends on the model: see kBlock12WithShelf
    {0x12, {Q(musicEq, 10), G(musicEq, 10), FH(musicEq, 10), FL(musicEq, 10), S(musicHighPass),
            S(musicPhase)}},
    {0x13, {S(musicKeyShift), S(musicToLr), S(micToLr), S(effectToLr), S(musicLimitThreshold),
            S(musicCompRatio)}},
    {0x14, {S(musicCompRelease), S(musicCompAttack), Q(subEq, 0), G(subEq, 0), FH(subEq, 0),
            FL(subEq, 0)}},
    {0x15, {Q(subEq, 1), G(subEq, 1), FH(subEq, 1), FL(subEq, 1), S(subVolume), S(subCrossover),
            S(subLowCut)}},
    {0x16, {S(subPhase), Q(centerEq, 0), G(centerEq, 0), FH(centerEq, 0), FL(centerEq, 0),
            Q(centerEq, 1)}},
    {0x17, {G(centerEq, 1), FH(centerEq, 1), FL(centerEq, 1), Q(centerEq, 2), X, X}},
    {0x18, {G(centerEq, 2), FH(centerEq, 2), FL(centerEq, 2), S(musicToCenter), S(micToCenter),
            S(effectToCenter)}},
    {0x19, {S(centerPhase), Q(effectEq, 0), G(effectEq, 0), FH(effectEq, 0), FL(effectEq, 0),
            Q(effectEq, 1)}},
    {0x1A, {G(effectEq, 1), FH(effectEq, 1), FL(effectEq, 1), Q(effectEq, 2), G(effectEq, 2),
            X}},
    {0x1B, {FH(effectEq, 2), FL(effectEq, 2), high(echoLowPass), low(echoLowPass),
            high(echoHighPass), low(echoHighPass)}},
    {0x1C, {S(echoPhase), S(echoSpeed), S(echoDelay), S(echoMode), Q(effectEq, 3),
            G(effectEq, 3)}},
    {0x1D, {FH(effectEq, 3), FL(effectEq, 3), Q(effectEq, 4), G(effectEq, 4), FH(effectEq, 4),
            FL(effectEq, 4)}},
    {0x1E, {Q(effectEq, 5), G(effectEq, 5), FH(effectEq, 5), FL(effectEq, 5), Q(effectEq, 6),
            G(effectEq, 6)}},
    {0x1F, {FH(effectEq, 6), FL(effectEq, 6), high(reverbLowPass), low(reverbLowPass),
            high(reverbHighPass), low(reverbHighPass)}},
    {0x20, {S(reverbPhase), S(reverbDelay), S(reverbTime), S(reverbType), S(effectMix),
            S(effectVolume)}},
    {0x21, {Q(surroundEq, 0), G(surroundEq, 0), FH(surroundEq, 0), FL(surroundEq, 0),
            Q(surroundEq, 1), G(surroundEq, 1)}},
    {0x22, {FH(surroundEq, 1), FL(surroundEq, 1), Q(surroundEq, 2), G(surroundEq, 2),
            FH(surroundEq, 2), FL(surroundEq, 2)}},
    {0x23, {S(surroundPhase), S(musicToSurround), S(micToSurround), S(effectToSurround),
            S(surroundDelay), X}},
    {0x24, {Q(subEq, 2), G(subEq, 2), FH(subEq, 2), FL(subEq, 2), Q(subEq, 3), G(subEq, 3)}},
    {0x25, {FH(subEq, 3), FL(subEq, 3), Q(subEq, 4), G(subEq, 4), FH(subEq, 4), FL(subEq, 4)}},
    {0x26, {S(micInitVolume), S(musicMaxVolume), S(musicInitVolume), S(musicInput),
            S(initSwitch), S(subSingVolume), S(micEqBypass), S(musicEqBypass)}},
    {0x27, {S(subMode), S(subSwitchTime), S(micMaxVolume), S(micVolume), S(musicVolume),
            S(musicBalance), X, X, X, S(micFeedbackSuppress), S(keyLock)}},
};

// Models 1 and 2 carry the music shelf mode before the high-pass.
const std::vector<Field> kBlock12WithShelf = {
    Q(musicEq, 10), G(musicEq, 10), FH(musicEq, 10), FL(musicEq, 10),
    S(musicEqLhPass), S(musicHighPass), S(musicPhase)};

const std::vector<Field> kNoBlock;

}  // namespace

const std::vector<Field>& blockFields(int block, Model model) {
  if (block == 0x12 && modelInfo(model).shelfInBlock12) return kBlock12WithShelf;
  auto it = kBlocks.find(block);
  return it == kBlocks.end() ? kNoBlock : it->second;
}

Bytes encodeBlock(const Store& store, int block, Model model) {
  Bytes reply = {0x10, static_cast<Byte>(block)};
  for (const Field& f : blockFields(block, model)) reply.push_back(readField(store, f));
  return reply;
}

}  // namespace kavel::sim
