#include "support/SampleRows.h"

namespace mirtal::testing {

void addSampleRows(store::Database& db) {
    const char* const rows[] = {
        "INSERT INTO User1 VALUES (1, 'Ann'), (2, 'O`Neil')",
        "INSERT INTO SetExercise VALUES (1, 1, 'NULL', 'No Workout', 'I rested today.'), "
        "(2, 1, 'Push-ups, \"wide\"', 'Moderate', 'Sets of ten' || char(13, 10) || 'then rest'), "
        "(3, 2, 'Yoga', 'Light', 'Über calm')",
        "INSERT INTO Exercise VALUES (1, 1, 2, '2026-12-08', 12), (2, 2, 3, '2026-12-09', 1)",
        "INSERT INTO PulseWeight VALUES (1, 1, '2026-12-08', 62, 72.5, 'Good'), "
        "(2, 2, '2026-12-09', 70.25, 80, 'The Pits')",
        "INSERT INTO PulseWeightTarget VALUES (1, 1, '2026-12-01', '2027-03-01', 58, 68.4)",
        "INSERT INTO DailyMealInput VALUES (1, 1, '2026-12-08', '1B', 0, 3, 1, 1, 3, 2, 3, 1, 0), "
        "(2, 2, '2026-12-09', '3D', -8, 0, 0, 0, 0, 0, 0, 0, 0)",
        "INSERT INTO DailySnackingInput VALUES (1, 1, '2026-12-08', 2, 4)",
    };
    for (const char* sql : rows) {
        db.selectNative(sql);
    }
}

}  // namespace mirtal::testing
