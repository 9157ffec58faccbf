#include "app/NavigationLabels.h"

#include <optional>

namespace mirtal::app {

namespace {

struct BarLabel {
    const char* name;
    const char* caption;
    // None: close the window that carries the bar.
    std::optional<WindowId> target;
};

// No label opens the target values window: it is reached from the main window and from START
// in the user window.
constexpr BarLabel barLabels[] = {
    {"LblUser", "&USER", WindowId::User},
    {"LblProfile", "&START", std::nullopt},
    {"LblAddExercise", "&ADD EXCERCISE", WindowId::ExerciseCatalogue},
    {"LblExercise", "&DAILY EXCERCISE", WindowId::DailyExercise},
    {"LblDailyInput", "&PROGRESS LOG", WindowId::ProgressLog},
    {"LblMeal", "&MEAL EVALUATION", WindowId::MealEvaluation},
    {"LblReport", "&REPORT", WindowId::Reports},
};

}  // namespace

QList<widgets::NavigationBar::Entry> navigationLabels(WindowId own,
                                                      std::function<void(WindowId)> open,
                                                      std::function<void()> closeOwn) {
    QList<widgets::NavigationBar::Entry> entries;
    for (const BarLabel& label : barLabels) {
        if (label.target == own) {
            continue;
        }
        std::function<void()> action = closeOwn;
        if (label.target) {
            action = [open, target = *label.target] { open(target); };
        }
        entries.append({QLatin1String(label.name), QLatin1String(label.caption), action});
    }
    return entries;
}

}  // namespace mirtal::app
