#pragma once
// The editor's dark look, standing in for the original skin library.
class QApplication;

namespace kavel {
void applyDarkStyle(QApplication& app);
}
