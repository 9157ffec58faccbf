#pragma once

#include <QPixmap>
#include <QString>

namespace mirtal::app {

// Makes the pictures compiled into the library reachable as ":/...". The linker drops
// resources of a static library that nothing names, so the program calls this at start.
void loadResources();

// A PNG picture of the resources (":/border/UL.png"). Qt reads PNG itself; left to guess the
// format, it would first load every image-format plugin installed to ask each whether it
// knows the file, which costs the start several milliseconds.
QPixmap resourcePicture(const QString& path);

}  // namespace mirtal::app
