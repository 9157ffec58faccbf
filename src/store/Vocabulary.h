#pragma once

#include <QString>

// The words and numbers of the data that more than one window or report relies on. Each is
// stored in the database or shown to the person exactly as written here.
namespace mirtal::store::vocabulary {

// The intensity of the catalogue's rest-day row; a day holding only it totals -1.
inline const QString restDayIntensity = QStringLiteral("No Workout");

// The meal codes of DailyMealInput, in the order of the day.
inline const QString breakfastCode = QStringLiteral("1B");
inline const QString lunchCode = QStringLiteral("2L");
inline const QString dinnerCode = QStringLiteral("3D");

// The SetMealPoint category whose choices are the progress log's morale.
constexpr int moraleCategory = 8;

// The messages for data that breaks the one-row rules: each window has always worded its own.
inline const QString duplicateUserMessage = QStringLiteral(
    "More than one user is exits on the same ID. Please contact your administrator.");
inline const QString duplicateChoiceMessage = QStringLiteral("Contact with your administrator.");
inline const QString duplicateTargetMessage = QStringLiteral("Contact with your administrator");
inline const QString duplicateExerciseMessage = QStringLiteral("Contact with your adminsistrator.");

}  // namespace mirtal::store::vocabulary
