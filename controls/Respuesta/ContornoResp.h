#pragma once
#include <QRegion>

// The part of the control's box that belongs to the bar, read from the
// outline picture of the size in use: magenta marks what lies outside.
QRegion regionContorno(bool grande);
