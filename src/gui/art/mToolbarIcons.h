// The toolbar's pictures, drawn by our own code.
#pragma once

#include <QIcon>
#include <QString>

namespace tabloo {

// The icon of a toolbar button by its key ("New", "Undo", "ReplayStop" ...).
QIcon ToolbarIcon(const QString &key);

} // namespace tabloo
