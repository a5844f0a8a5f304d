#pragma once
// Gives a fixed-size window the size of what it holds. The layouts of its
// pages cache their sizes; a grid sized after they first measured it (filled
// in the constructor) would otherwise be measured at its old size.

class QWidget;

namespace kovrel::gui {

void fixSizeToContents(QWidget* window);

}  // namespace kovrel::gui
