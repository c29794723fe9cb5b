#include "panels/eq_handlers.h"

#include "window/form1.h"

namespace kavel {

void setShelfMode(Form1&, Eq, bool) {}
void setBypass(Form1&, Eq, bool) {}
void connectEqualizer(Form1&, Eq) {}

}  // namespace kavel
