// The pictures of the browser: the 13 node images of the tree and the detail
// list, and the toolbar images. All are drawn here with QPainter on a 16 by
// 16 grid and scaled, so the small (16 px) and large (32 px) sizes match.
#pragma once

#include <QIcon>
#include <QString>
#include <QStringList>

namespace vantor {

// The node image keys, in the order the tree's image list holds them.
QStringList NodeImageKeys();

// The node image for a key ("Action", "ActionList", "Button", "Device",
// "DeviceGroup", "Frame", "Home", "IRCode", "MacroGroup", "Panel", "Pronto",
// "Timer", "Icon") at 16 px, or at 32 px when `large`. An unknown key gives an
// empty icon.
QIcon NodeImage(const QString& key, bool large);
// The same picture in both sizes, for views that switch between them.
QIcon NodeImageBothSizes(const QString& key);

// The toolbar image for a button key ("Open", "Print", "PrintFile",
// "View Large Icons", "View Small Icons", "View List", "View Details"); 16 px.
QIcon ToolbarImage(const QString& key);

} // namespace vantor
