#include "app/WindowTable.h"

#include <QWidget>
#include <array>

#include "app/HelpTexts.h"

namespace mirtal::app {

namespace {

// Window, object name, caption, help title and text, toolbar key and caption.
constexpr std::array<WindowRow, windowCount> rows{{
    {WindowId::User, "Form1", "1. frm User", nullptr, nullptr, 'A', "User"},
    {WindowId::ExerciseCatalogue, "Form2", "3. frm Add Exercise", "ADD EXERCISE", addExerciseText,
     'C', "Add Exercises"},
    {WindowId::DailyExercise, "Form3", "4. frm Daily Exercise", "DAILY EXERCISE", dailyExerciseText,
     'D', "Daily Exercise"},
    {WindowId::ProgressLog, "Form4", "6. Frm Progress Log", "PROGRESS LOG", progressLogText, 'F',
     "Progress Log"},
    {WindowId::MealEvaluation, "Form5", "5. frm Meal Evaluation", "MEAL EVALUATION",
     mealEvaluationText, 'E', "Meal Evaluation"},
    {WindowId::TargetValues, "Form6", "2. Frm Target Values", "TARGET VALUES", targetValuesText,
     'B', "Target Values"},
    {WindowId::Reports, "frmReportMeal", "7. frm Reports", "REPORTS", reportsText, 'G', "Report"},
}};

// windowRow finds a row by its place.
static_assert(
    [] {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (windowIndex(rows[i].id) != i) {
                return false;
            }
        }
        return true;
    }(),
    "the rows are in the order of their numbers");

}  // namespace

std::span<const WindowRow> windowTable() {
    return rows;
}

const WindowRow& windowRow(WindowId id) {
    return rows.at(windowIndex(id));
}

void nameWindow(QWidget* window, WindowId id) {
    const WindowRow& row = windowRow(id);
    window->setObjectName(QLatin1String(row.objectName));
    window->setWindowTitle(QLatin1String(row.caption));
}

}  // namespace mirtal::app
