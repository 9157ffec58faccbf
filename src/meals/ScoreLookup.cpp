#include "meals/ScoreLookup.h"

#include "meals/MealStatements.h"
#include "store/Database.h"

namespace mirtal::meals {

bool ScoreLookup::ScoreVal(store::Database& db) {
    const store::ResultSet rs = db.select(statements::scoreOf(pickedKey_));
    if (rs.recordCount() != 1) {
        return false;
    }
    lookedUpScore_ = rs.field(u"Score").toString();
    return true;
}

}  // namespace mirtal::meals
