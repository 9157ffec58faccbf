#include "users/UserRemoval.h"

#include <QStringList>

#include "store/Database.h"

namespace mirtal::users {

void removeUserData(store::Database& db, const QString& userId) {
    const QStringList tables =
        QStringLiteral(
            "DailyMealInput,DailySnackingInput,Exercise,PulseWeight,PulseWeightTarget,"
            "SetExercise,User1")
            .split(u',');
    db.inTransaction([&] {
        for (const QString& table : tables) {
            db.execute(QStringLiteral("Delete  From ") + table + QStringLiteral(" Where UserID=") +
                       userId);
        }
    });
}

}  // namespace mirtal::users
