#include "presets/import_layout.h"

#include "window/form1.h"

namespace kavel {

namespace {

using Src = ImportSource;
using PositionOf = int (*)(Form1&);
using TextOf = const std::string& (*)(Form1&);

ImportRow bands(std::size_t at, Eq eq, int first, int count) {
  return {at, Src::Bands, nullptr, nullptr, nullptr, 0, 1, 1, eq, first, count};
}
ImportRow bandPart(std::size_t at, Src part, Eq eq, int band) {
  return {at, part, nullptr, nullptr, nullptr, 0, 1, 1, eq, band};
}
ImportRow phase(std::size_t at, TextOf caption) { return {at, Src::Phase, nullptr, caption}; }
ImportRow position(std::size_t at, PositionOf p, int width = 1) {
  return {at, Src::Position, p, nullptr, nullptr, 0, 1, width};
}
ImportRow magnitude(std::size_t at, PositionOf p) { return {at, Src::Magnitude, p}; }
ImportRow number(std::size_t at, TextOf box, double add = 0, double factor = 1, int width = 1) {
  return {at, Src::Number, nullptr, box, nullptr, add, factor, width};
}
ImportRow list(std::size_t at, ComboBox& (*selector)(Form1&)) {
  return {at, Src::ListIndex, nullptr, nullptr, selector};
}
ImportRow shelf(std::size_t at, TextOf caption, bool fullFrameOnly) {
  ImportRow r{at, Src::Shelf, nullptr, caption};
  r.fullFrameOnly = fullFrameOnly;
  return r;
}

// The effect low-pass boxes show kHz from 4 up; the wire counts tens of Hz above 4 kHz.
ImportRow lowPass(std::size_t at, TextOf box) { return number(at, box, -4, 100, 2); }

const ImportRow kLayout[] = {
    // Microphone. Band 12's frequency comes after the phase byte.
    bands(7, Eq::Mic, 0, 12),
    bandPart(55, Src::BandQG, Eq::Mic, 12),
    phase(57, [](Form1& f) -> const std::string& { return f.panels.Command3.caption(); }),
    bandPart(58, Src::BandFreq, Eq::Mic, 12),
    position(60, [](Form1& f) { return f.panels.MdSlide1.value(); }),
    magnitude(61, [](Form1& f) { return f.panels.VScroll1[0].value(); }),
    position(62, [](Form1& f) { return f.panels.VScroll1[1].value(); }),
    number(63, [](Form1& f) -> const std::string& { return f.panels.Text1[2].text(); }),
    number(64, [](Form1& f) -> const std::string& { return f.panels.Text1[3].text(); }),
    // Music, with the three levels to L/R.
    bands(65, Eq::Music, 0, 11),
    phase(109, [](Form1& f) -> const std::string& { return f.panels.Command4.caption(); }),
    position(110, [](Form1& f) { return f.panels.ySlide1[0].value(); }),
    position(111, [](Form1& f) { return f.panels.ySlide1[1].value(); }),
    position(112, [](Form1& f) { return f.panels.ySlide1[2].value(); }),
    magnitude(113, [](Form1& f) { return f.panels.VScroll2[0].value(); }),
    position(114, [](Form1& f) { return f.panels.VScroll2[1].value(); }),
    number(115, [](Form1& f) -> const std::string& { return f.panels.Text6[2].text(); }),
    number(116, [](Form1& f) -> const std::string& { return f.panels.Text6[3].text(); }),
    // Subwoofer, first two bands.
    bands(117, Eq::Sub, 0, 2),
    number(125, [](Form1& f) -> const std::string& { return f.panels.Text12[0].text(); }),
    position(126, [](Form1& f) { return f.panels.ctSlide4[1].value(); }),
    phase(127, [](Form1& f) -> const std::string& { return f.panels.Command2.caption(); }),
    // Center.
    bands(128, Eq::Center, 0, 3),
    number(140, [](Form1& f) -> const std::string& { return f.panels.Text11[0].text(); }),
    number(141, [](Form1& f) -> const std::string& { return f.panels.Text11[1].text(); }),
    number(142, [](Form1& f) -> const std::string& { return f.panels.Text11[2].text(); }),
    phase(143, [](Form1& f) -> const std::string& { return f.panels.Command14.caption(); }),
    // Effect bands 0..2, echo, effect bands 3..6, reverb.
    bands(144, Eq::Effect, 0, 3),
    lowPass(156, [](Form1& f) -> const std::string& { return f.panels.Text7[3].text(); }),
    position(158, [](Form1& f) { return f.panels.HcSlide1[2].value(); }, 2),
    phase(160, [](Form1& f) -> const std::string& { return f.panels.Command5.caption(); }),
    number(161, [](Form1& f) -> const std::string& { return f.panels.Text7[1].text(); }, 0, 0.5),
    number(162, [](Form1& f) -> const std::string& { return f.panels.Text7[0].text(); }),
    list(163, [](Form1& f) -> ComboBox& { return f.panels.Combo1; }),
    bands(164, Eq::Effect, 3, 4),
    lowPass(180, [](Form1& f) -> const std::string& { return f.panels.Text9[3].text(); }),
    position(182, [](Form1& f) { return f.panels.ReSlide2[2].value(); }, 2),
    phase(184, [](Form1& f) -> const std::string& { return f.panels.Command6.caption(); }),
    number(185, [](Form1& f) -> const std::string& { return f.panels.Text9[0].text(); }),
    number(186, [](Form1& f) -> const std::string& { return f.panels.Text9[1].text(); }, 0, 10),
    list(187, [](Form1& f) -> ComboBox& { return f.panels.Combo2; }),
    position(188, [](Form1& f) { return f.ctSlide1[1].value(); }),
    number(189, [](Form1& f) -> const std::string& { return f.Text8[0].text(); }),
    // Surround.
    bands(190, Eq::Surround, 0, 3),
    phase(202, [](Form1& f) -> const std::string& { return f.panels.Command15.caption(); }),
    number(203, [](Form1& f) -> const std::string& { return f.panels.Text10[0].text(); }),
    number(204, [](Form1& f) -> const std::string& { return f.panels.Text10[1].text(); }),
    number(205, [](Form1& f) -> const std::string& { return f.panels.Text10[2].text(); }),
    number(206, [](Form1& f) -> const std::string& { return f.panels.Text10[3].text(); }),
    // Shelf switches exist on models 1 and 2 only; the ends that model 3 lacks.
    shelf(207, [](Form1& f) -> const std::string& { return f.panels.Command10.caption(); }, true),
    position(208, [](Form1& f) { return f.panels.ctSlide10.value(); }),
    bands(209, Eq::Sub, 2, 3),
    position(221, [](Form1& f) { return f.panels.ctSlide11.value(); }),
    position(222, [](Form1& f) { return f.panels.ctSlide4[2].value(); }),
    shelf(223, [](Form1& f) -> const std::string& { return f.panels.dcButton8.caption(); }, false),
};

}  // namespace

std::span<const ImportRow> importLayout() { return kLayout; }

}  // namespace kavel
