#pragma once

#include <QString>
#include <QVariant>

namespace mirtal::store {
class Database;
}

namespace mirtal::meals {

// The choice key picked last in any of the meal window's seven choice lists, and the score
// looked up for it last. The lists share the one pair, and it outlives the window: it starts
// empty and keeps its values for the whole run, also while the window is closed.
class ScoreLookup {
  public:
    void setPickedKey(const QVariant& key) { pickedKey_ = key.toString(); }
    const QString& pickedKey() const { return pickedKey_; }
    const QString& lookedUpScore() const { return lookedUpScore_; }

    // Looks up the score of the picked key. False, with the score left as it was, unless
    // exactly one choice has that key.
    bool ScoreVal(store::Database& db);

  private:
    QString pickedKey_;
    QString lookedUpScore_;
};

}  // namespace mirtal::meals
