#pragma once
// The effect panel's controls by their window names, as the tables of its
// handlers and of its read-back refer to them.
#include "window/form1.h"

namespace kavel::effect_controls {

template <int I> Slider& HcSlide1(Form1& f) { return f.panels.HcSlide1[I]; }
template <int I> TextBox& Text7(Form1& f) { return f.panels.Text7[I]; }
template <int I> Slider& ReSlide2(Form1& f) { return f.panels.ReSlide2[I]; }
template <int I> TextBox& Text9(Form1& f) { return f.panels.Text9[I]; }
template <int I> Slider& ctSlide1(Form1& f) { return f.ctSlide1[I]; }
template <int I> TextBox& Text8(Form1& f) { return f.Text8[I]; }

}  // namespace kavel::effect_controls
