#pragma once

class QWidget;

namespace velmora {

// For the start benchmark: when VELMORA_MARK_MAPPED is set, writes "mapped" to standard
// output the first time the window system shows the window (its first expose), so that a
// parent can time a program's start to its mapped window. Does nothing otherwise.
void markWhenMapped(QWidget& window);

}  // namespace velmora
