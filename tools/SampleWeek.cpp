#include "SampleWeek.h"

#include <QDate>

#include "store/DateText.h"
#include "store/Session.h"

namespace mirtal::tools {

void addSampleWeek(store::Database& db) {
    using store::DateText;
    db.execute(QStringLiteral("Insert Into User1 Values(1, 'Ann')"));
    const QDate today = QDate::currentDate();
    const QString start = DateText::shortDate(today.addDays(-6));
    db.execute(QStringLiteral("Insert Into PulseWeightTarget Values( 1, 1, '%1', '%2', 62, 78.5)")
                   .arg(start, DateText::shortDate(today.addDays(60))));
    const char* const catalogue[] = {
        "Insert Into SetExercise Values(1, 1, 'NULL', 'No Workout', 'I rested today.')",
        "Insert Into SetExercise Values(2, 1, 'Brisk walk', 'Light', '30 minutes outdoors')",
        "Insert Into SetExercise Values(3, 1, 'Push-ups', 'Moderate', 'Sets of ten')",
        "Insert Into SetExercise Values(4, 1, 'Hill running', 'Difficult', 'Five hill repeats')",
        "Insert Into SetExercise Values(5, 1, 'Stretching', 'Light', 'Ten minutes after waking')",
    };
    for (const char* statement : catalogue) {
        db.execute(QString::fromLatin1(statement));
    }
    const QString morale[] = {QStringLiteral("Good"), QStringLiteral("Average"),
                              QStringLiteral("Excellent")};
    int key = 1;
    for (int back = 6; back >= 0; --back, ++key) {
        const QString day =
            QStringLiteral("'") + DateText::shortDate(today.addDays(-back)) + QStringLiteral("'");
        const QString k = QString::number(key);
        db.execute(QStringLiteral("Insert Into PulseWeight Values(%1, 1, %2, %3, %4, '%5')")
                       .arg(k, day, QString::number(66 - key / 2),
                            QString::number(82.4 - key * 0.3, 'f', 1), morale[key % 3]));
        db.execute(
            QStringLiteral("Insert Into DailySnackingInput Values(%1, 1, %2, %3, %4)")
                .arg(k, day, QString::number(key % 2 ? 2 : 0), QString::number(key % 3 ? 2 : 4)));
        db.execute(QStringLiteral("Insert Into Exercise Values(%1, 1, %2, %3, %4)")
                       .arg(QString::number(2 * key - 1), QString::number(2 + key % 3), day,
                            QString::number(key % 4 + 1)));
        db.execute(QStringLiteral("Insert Into Exercise Values(%1, 1, 5, %2, 1)")
                       .arg(QString::number(2 * key), day));
        db.execute(QStringLiteral("Insert Into DailyMealInput Values(%1, 1, %2, '1B', 0, 3, 1, "
                                  "1, 3, 2, 3, 1, 0)")
                       .arg(QString::number(3 * key - 2), day));
        db.execute(QStringLiteral("Insert Into DailyMealInput Values(%1, 1, %2, '2L', 0, 1, -1, "
                                  "3, 0, 3, 0, 1, 5)")
                       .arg(QString::number(3 * key - 1), day));
        db.execute(QStringLiteral("Insert Into DailyMealInput Values(%1, 1, %2, '3D', %3)")
                       .arg(QString::number(3 * key), day,
                            key % 4 ? QStringLiteral("0, -2, -3, 1, -3, 0, 3, 1, 5")
                                    : QStringLiteral("-8, 0, 0, 0, 0, 0, 0, 0, 0")));
    }
}

}  // namespace mirtal::tools
