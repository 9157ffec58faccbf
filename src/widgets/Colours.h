#pragma once

#include <QColor>

// The fixed colours of the shared controls, so that the windows and their tests name the same
// values.
namespace mirtal::widgets::colours {

inline const QColor black{0, 0, 0};
inline const QColor white{255, 255, 255};
inline const QColor red{255, 0, 0};
inline const QColor blue{0, 0, 255};
// The face of a command label at rest.
inline const QColor lightGrey{224, 224, 224};
// The grid cell that was clicked last.
inline const QColor lightGreen{192, 255, 192};

}  // namespace mirtal::widgets::colours
