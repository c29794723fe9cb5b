#pragma once
// Connects every panel control to its handler. Each panel's handlers live
// in their own file beside its controls; the window calls this once.
namespace kavel {

class Form1;

void connectPanels(Form1& form);

}  // namespace kavel
