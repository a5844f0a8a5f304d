#pragma once
// The program's own icons: small SVG drawings kept as resources and rendered
// into pixmaps here, so they show without an icon-engine plug-in.

#include <QIcon>

namespace kovrel::gui {

// An icon by its resource name ("open", "save", ...); empty for an unknown one.
QIcon programIcon(const char* name);

}  // namespace kovrel::gui
