#include "Windows.h"

#include "app/PlaceholderWindow.h"
#include "app/WindowSwitcher.h"
#include "users/Form1.h"

namespace mirtal {

void registerWindows(app::WindowSwitcher& switcher) {
    switcher.registerWindow(1, [](app::WindowSwitcher& s) { return new users::Form1(s); });
    for (int number = 2; number <= 7; ++number) {
        switcher.registerWindow(number, [number](app::WindowSwitcher& s) {
            return new app::PlaceholderWindow(s, number);
        });
    }
}

}  // namespace mirtal
