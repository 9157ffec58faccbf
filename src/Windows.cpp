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

namespace {

template <class Window>
QWidget* build(app::WindowSwitcher& switcher) {
    return new Window(switcher);
}

}  // namespace

void registerWindows(app::WindowSwitcher& switcher) {
    using app::WindowId;
    switcher.registerWindow(WindowId::User, build<users::Form1>);
    switcher.registerWindow(WindowId::ExerciseCatalogue, build<exercise::Form2>);
    switcher.registerWindow(WindowId::DailyExercise, build<exercise::Form3>);
    switcher.registerWindow(WindowId::ProgressLog, build<progress::Form4>);
    // The meal window's lists share one picked key and score, kept for the whole run.
    auto scoreLookup = std::make_shared<meals::ScoreLookup>();
    switcher.registerWindow(WindowId::MealEvaluation, [scoreLookup](app::WindowSwitcher& s) {
        return new meals::Form5(s, *scoreLookup);
    });
    switcher.registerWindow(WindowId::TargetValues, build<progress::Form6>);
    switcher.registerWindow(WindowId::Reports, build<reports::frmReportMeal>);
}

}  // namespace mirtal
