// The outline of a map's path element, as the map generator writes them.
#pragma once

#include <QPainterPath>
#include <QString>

// Path data of the forms M x,y L x,y ... Z (absolute), filled even-odd.
QPainterPath parsePath(const QString& d);
