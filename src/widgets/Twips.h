#pragma once

namespace mirtal::widgets {

// The windows are laid out in twips (1/1440 inch). At the 96 dots per inch the layout was made
// for, 15 twips make one pixel; a size that is not a whole number of pixels is rounded to the
// nearest one, so that e.g. a 250-twip column is 17 pixels and not 16.
inline constexpr int twipsPerPixel = 15;

constexpr int twips(int value) {
    return (value >= 0 ? value + twipsPerPixel / 2 : value - twipsPerPixel / 2) / twipsPerPixel;
}

}  // namespace mirtal::widgets
