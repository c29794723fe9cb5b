#pragma once
// A window whose every control that the import carries holds a value of its
// own, and the kind-71 frame of it written out by hand from the layout.
#include "protocol/rig.h"

namespace kavel::testing {

// Band k of equalizer e is set to Q (10 + 20e + k) / 10, gain -2 + k / 10 dB
// and (20 + 10e + k) Hz, so that every band block differs from every other:
// bytes Q, G, FH, FL = 10 + 20e + k, 100 + k, 0x00, 10e + k (the frequency
// lies in the 1 Hz segment, where the code is the frequency less 20).
inline BandValues bandOf(int e, int k) { return {20.0 + 10 * e + k, -2 + k / 10.0, (10 + 20 * e + k) / 10.0}; }
inline Bytes block(Eq eq, int k) {
  const int e = int(eq);
  return {Byte(10 + 20 * e + k), Byte(100 + k), 0x00, Byte(10 * e + k)};
}
inline Bytes blocks(Eq eq, int first, int count) {
  Bytes out;
  for (int k = first; k < first + count; ++k) {
    const Bytes b = block(eq, k);
    out.insert(out.end(), b.begin(), b.end());
  }
  return out;
}
inline void append(Bytes& out, const Bytes& more) { out.insert(out.end(), more.begin(), more.end()); }

// A window whose every imported control holds a value of its own.
struct KnownPanels {
  KnownPanels() {
    for (int e = 0; e < kEqCount; ++e)
      for (int k = 0; k < bandCount(Eq(e)); ++k) rig.band(Eq(e), k) = bandOf(e, k);
    Form1& f = rig.form;
    Panels& p = f.panels;
    // Positions first: some handlers rewrite display boxes, set below.
    p.MdSlide1.setValue(33);
    p.VScroll1[0].setValue(-12);
    p.VScroll1[1].setValue(50);
    p.ySlide1[0].setValue(11);
    p.ySlide1[1].setValue(12);
    p.ySlide1[2].setValue(13);
    p.VScroll2[0].setValue(-30);
    p.VScroll2[1].setValue(63);
    p.ctSlide4[1].setValue(200);
    p.ctSlide4[2].setValue(254);
    p.HcSlide1[2].setValue(472);
    p.ReSlide2[2].setValue(300);
    f.ctSlide1[1].setValue(70);
    p.ctSlide10.setValue(99);
    p.ctSlide11.setValue(7);
    // Display boxes, each with a number no position above shares.
    p.Text1[2].setText("71");
    p.Text1[3].setText("9");
    p.Text6[2].setText("100");
    p.Text6[3].setText("1");
    p.Text12[0].setText("40");
    p.Text11[0].setText("5");
    p.Text11[1].setText("6");
    p.Text11[2].setText("7");
    p.Text7[3].setText("18KHZ");
    p.Text7[1].setText("74ms");
    p.Text7[0].setText("60%");
    p.Text9[3].setText("4.05KHZ");
    p.Text9[0].setText("20ms");
    p.Text9[1].setText("2.5s");
    f.Text8[0].setText("45");
    p.Text10[0].setText("21");
    p.Text10[1].setText("22");
    p.Text10[2].setText("23");
    p.Text10[3].setText("150");
    // Captions and selector texts.
    p.Command3.setCaption("180");
    p.Command4.setCaption("0");
    p.Command2.setCaption("180");
    p.Command14.setCaption("0");
    p.Command5.setCaption("180");
    p.Command6.setCaption("0");
    p.Command15.setCaption("180");
    p.Combo1.setText("立体声回声");
    p.Combo2.setText("房间 B");
    p.Command10.setCaption("LH-PASS ON");
    p.dcButton8.setCaption("LH-PASS ON");
  }

  // The kind-71 frame of these panels, written out from the layout table.
  static Bytes expected71() {
    Bytes x = hexBytes("A5 67 35 31 31 30 D9");       // 0..6 header, 217 bytes follow
    append(x, blocks(Eq::Mic, 0, 12));                // 7..54 mic bands 0..11
    append(x, {Byte(10 + 12), Byte(100 + 12)});       // 55, 56 mic band 12 Q, G
    append(x, {0x7F});                                // 57 mic phase 180
    append(x, {0x00, 12});                            // 58, 59 mic band 12 frequency
    append(x, {33, 12, 50, 71, 9});                   // 60..64 high-pass, |-12|, ratio, release, attack
    append(x, blocks(Eq::Music, 0, 11));              // 65..108 music bands
    append(x, {0x00});                                // 109 music phase 0
    append(x, {11, 12, 13});                          // 110..112 music, mic, effect to L/R
    append(x, {30, 63, 100, 1});                      // 113..116 |-30|, ratio, release, attack
    append(x, blocks(Eq::Sub, 0, 2));                 // 117..124 sub bands 0, 1
    append(x, {40, 200, 0x7F});                       // 125..127 sub volume, crossover, phase
    append(x, blocks(Eq::Center, 0, 3));              // 128..139 center bands
    append(x, {5, 6, 7, 0x00});                       // 140..143 to center, center phase
    append(x, blocks(Eq::Effect, 0, 3));              // 144..155 effect bands 0..2
    append(x, {0x05, 0x78});                          // 156, 157 echo low-pass 18KHZ: 1400
    append(x, {0x01, 0xD8});                          // 158, 159 echo high-pass 472
    append(x, {0x7F, 37, 60, 2});                     // 160..163 phase, 74ms / 2, 60%, stereo echo
    append(x, blocks(Eq::Effect, 3, 4));              // 164..179 effect bands 3..6
    append(x, {0x00, 0x05});                          // 180, 181 reverb low-pass 4.05KHZ: 5
    append(x, {0x01, 0x2C});                          // 182, 183 reverb high-pass 300
    append(x, {0x00, 20, 25, 3, 70, 45});             // 184..189 phase, delay, 2.5s x 10, 房间 B, mix, volume
    append(x, blocks(Eq::Surround, 0, 3));            // 190..201 surround bands
    append(x, {0x7F, 21, 22, 23, 150});               // 202..206 phase, to surround, delay
    append(x, {0x7F, 99});                            // 207 mic shelf on, 208 music high-pass
    append(x, blocks(Eq::Sub, 2, 3));                 // 209..220 sub bands 2..4
    append(x, {7, 254, 0x7F});                        // 221 mic low-pass, 222 sub low cut, 223 music shelf on
    return x;
  }

  Rig rig;
};

}  // namespace kavel::testing
