#pragma once

#include <QString>
#include <cstddef>
#include <span>

class QWidget;

namespace mirtal::app {

// The data windows by the number they are known by, which the shared window number holds while
// a window is being opened.
enum class WindowId {
    User = 1,
    ExerciseCatalogue,
    DailyExercise,
    ProgressLog,
    MealEvaluation,
    TargetValues,
    Reports
};

constexpr int windowNumber(WindowId id) {
    return static_cast<int>(id);
}

constexpr std::size_t windowCount = 7;

// A window's place in the table, counting from 0.
constexpr std::size_t windowIndex(WindowId id) {
    return static_cast<std::size_t>(windowNumber(id) - 1);
}

// What the shell shows of a window: in its title bar, on the toolbar and in the help window.
// The number in a caption is the order a new user meets the windows in, which is not the
// window's own number ("6. Frm Progress Log" is window 4).
struct WindowRow {
    WindowId id;
    const char* objectName;
    const char* caption;
    // Null for the user window, which shows its own instructions in a message box.
    const char* helpTitle;
    QString (*helpText)();
    // The toolbar shows one button per window, in the order of their keys.
    char toolbarKey;
    const char* toolbarCaption;
};

// Every window, in the order of their numbers.
std::span<const WindowRow> windowTable();

const WindowRow& windowRow(WindowId id);

// Gives a window its object name and caption.
void nameWindow(QWidget* window, WindowId id);

}  // namespace mirtal::app
