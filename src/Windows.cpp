#include "Windows.h"

#include <memory>

#include "app/WindowSwitcher.h"
#include "exercise/Form2.h"
#include "exercise/Form3.h"
#include "meals/Form5.h"
#include "meals/ScoreLookup.h"
#include "progress/Form4.h"
#include "progress/Form6.h"
#include "reports/frmReportMeal.h"
#include "users/Form1.h"

namespace mirtal {

void registerWindows(app::WindowSwitcher& switcher) {
    switcher.registerWindow(1, [](app::WindowSwitcher& s) { return new users::Form1(s); });
    switcher.registerWindow(2, [](app::WindowSwitcher& s) { return new exercise::Form2(s); });
    switcher.registerWindow(3, [](app::WindowSwitcher& s) { return new exercise::Form3(s); });
    switcher.registerWindow(4, [](app::WindowSwitcher& s) { return new progress::Form4(s); });
    // The meal window's lists share one picked key and score, kept for the whole run.
    auto scoreLookup = std::make_shared<meals::ScoreLookup>();
    switcher.registerWindow(
        5, [scoreLookup](app::WindowSwitcher& s) { return new meals::Form5(s, *scoreLookup); });
    switcher.registerWindow(6, [](app::WindowSwitcher& s) { return new progress::Form6(s); });
    switcher.registerWindow(7,
                            [](app::WindowSwitcher& s) { return new reports::frmReportMeal(s); });
}

}  // namespace mirtal
