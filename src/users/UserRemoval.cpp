#include "users/UserRemoval.h"

#include <QStringList>

#include "store/Database.h"
#include "users/UserStatements.h"

namespace mirtal::users {

void removeUserData(store::Database& db, const QString& userId) {
    const QStringList tables =
        QStringLiteral(
            "DailyMealInput,DailySnackingInput,Exercise,PulseWeight,PulseWeightTarget,"
            "SetExercise,User1")
            .split(u',');
    db.inTransaction([&] {
        for (const QString& table : tables) {
            db.execute(statements::removeUserRows(table, userId));
        }
    });
}

}  // namespace mirtal::users
