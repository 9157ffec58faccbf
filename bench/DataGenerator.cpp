#include "DataGenerator.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <random>
#include <vector>

#include "store/DateText.h"
#include "store/KeyAllocator.h"

namespace mirtal::bench {

namespace {

using store::DateText;

struct CatalogueEntry {
    const char* name;
    const char* intensity;
    const char* description;
    int fewest;  // times per session
    int most;
};

constexpr std::array catalogue{
    CatalogueEntry{"Push ups", "Light", "Knees off the floor", 10, 40},
    CatalogueEntry{"Sit ups", "Light", "", 10, 50},
    CatalogueEntry{"Brisk walk", "Moderate", "Thirty minutes", 1, 2},
    CatalogueEntry{"Cycling", "Moderate", "To work and back", 1, 2},
    CatalogueEntry{"Running", "Difficult", "Around the park", 1, 3},
    CatalogueEntry{"Swimming", "Difficult", "Forty lengths", 1, 2},
};

constexpr std::array names{"Anna", "Ben", "Carla", "Dev", "Eli", "Fay", "Gus", "Hana"};
constexpr std::array mealCodes{"1B", "2L", "3D"};

// The evaluation choices as the lists show them: categories 1 to 7 by score, morale by name.
struct Choices {
    std::array<std::vector<QString>, 8> scores;
    std::vector<QString> morale;
};

Choices readChoices(store::Database& db) {
    Choices choices;
    for (int category = 1; category <= 8; ++category) {
        store::ResultSet list =
            db.select(QStringLiteral("  Select MID, MealName From SetMealPoint Where SubID=%1")
                          .arg(category));
        for (; !list.eof(); list.moveNext()) {
            if (category == 8) {
                choices.morale.push_back(list.field(u"MealName").toString());
                continue;
            }
            const store::ResultSet score = db.select("  Select Score From SetMealPoint Where MID=" +
                                                     list.field(u"MID").toString());
            choices.scores[static_cast<std::size_t>(category)].push_back(score.field(0).toString());
        }
    }
    return choices;
}

struct User {
    qint64 id = 0;
    std::vector<qint64> exercises;  // catalogue keys, in catalogue order
    qint64 restDay = 0;
    int restingPulse = 0;  // where pulse and weight wander around
    double usualWeight = 0;
    int pulse = 0;
    double weight = 0;
};

class Generator {
  public:
    Generator(store::Database& db, const GeneratorSettings& settings)
        : db_(db), settings_(settings), random_(settings.seed), choices_(readChoices(db)) {}

    GeneratedData run() {
        GeneratedData data;
        data.lastDay = settings_.lastDay;
        data.firstDay = settings_.days > 0
                            ? settings_.lastDay.addDays(1 - settings_.days)
                            : settings_.lastDay.addYears(-settings_.years).addDays(1);
        std::vector<User> users;
        for (int u = 0; u < settings_.users; ++u) {
            users.push_back(addUser(static_cast<std::size_t>(u), data));
        }
        for (QDate day = data.firstDay; day <= data.lastDay; day = day.addDays(1)) {
            const QString text = DateText::shortDate(day);
            for (User& user : users) {
                logDay(user, text);
            }
        }
        data.statements = statements_;
        return data;
    }

  private:
    User addUser(std::size_t index, const GeneratedData& data) {
        User user;
        QString name = QLatin1String(names[index % names.size()]);
        if (index >= names.size()) {
            name += QString::number(index);
        }
        user.id = insert("  Select Max(UserID) From User1",
                         "Insert Into User1 Values(%1, '" + name + "')");
        const QString id = QString::number(user.id);
        user.restingPulse = user.pulse = between(58, 72);
        user.usualWeight = user.weight = between(600, 950) / 10.0;
        insert("  Select Max(TPWID) From PulseWeightTarget",
               "Insert Into PulseWeightTarget Values( %1, " + id + ", '" +
                   DateText::shortDate(data.firstDay) + "', '" + DateText::shortDate(data.lastDay) +
                   "', " + QString::number(user.pulse - 4) + ", " +
                   QString::number(user.weight - 8, 'f', 1) + ")");
        // The first exercise brings the rest-day row, which takes the allocated key.
        user.restDay = insert("  Select Max(SEID) From SetExercise",
                              "Insert Into SetExercise Values(%1, " + id +
                                  ", 'NULL', 'No Workout', 'I rested today.')");
        for (std::size_t k = 0; k < catalogue.size(); ++k) {
            const CatalogueEntry& entry = catalogue[k];
            const QString text = "Insert Into SetExercise Values(%1, " + id + ", '" +
                                 QLatin1String(entry.name) + "', '" +
                                 QLatin1String(entry.intensity) + "', '" +
                                 QLatin1String(entry.description) + "')";
            user.exercises.push_back(k == 0 ? execute(text.arg(user.restDay + 1), user.restDay + 1)
                                            : insert("  Select Max(SEID) From SetExercise", text));
        }
        return user;
    }

    void logDay(User& user, const QString& day) {
        const QString id = QString::number(user.id);
        const QString dayValue = ", '" + day + "', ";
        if (chance(0.2)) {
            insert("  Select Max(EID) From Exercise", "Insert Into Exercise Values(%1, " + id +
                                                          ", " + QString::number(user.restDay) +
                                                          dayValue + "0)");
        } else {
            std::array<std::size_t, catalogue.size()> order{};
            std::iota(order.begin(), order.end(), 0);
            std::shuffle(order.begin(), order.end(), random_);
            const int sessions = between(1, 3);
            for (int s = 0; s < sessions; ++s) {
                const CatalogueEntry& entry = catalogue[order[static_cast<std::size_t>(s)]];
                insert("  Select Max(EID) From Exercise",
                       "Insert Into Exercise Values(%1, " + id + ", " +
                           QString::number(user.exercises[order[static_cast<std::size_t>(s)]]) +
                           dayValue + QString::number(between(entry.fewest, entry.most)) + ")");
            }
        }

        for (const char* code : mealCodes) {
            const QString head = "Insert Into DailyMealInput Values(%1, " + id + dayValue + "'" +
                                 QLatin1String(code) + "',";
            if (chance(0.07)) {
                insert("  Select Max(DMID) From DailyMealInput",
                       head + " -8, 0, 0, 0, 0, 0, 0, 0, 0)");
                continue;
            }
            QString text = head + " 0";
            for (std::size_t category = 1; category <= 5; ++category) {
                text += ", " + pick(choices_.scores[category]);
            }
            text += QStringLiteral(", %1, %2, %3)")
                        .arg(chance(0.5) ? 3 : 0)
                        .arg(chance(0.7) ? 1 : 0)
                        .arg(chance(0.4) ? 5 : 0);
            insert("  Select Max(DMID) From DailyMealInput", text);
        }

        if (chance(0.9)) {
            insert("  Select Max(DSID) From DailySnackingInput",
                   "Insert Into DailySnackingInput Values(%1, " + id + dayValue +
                       pick(choices_.scores[6]) + ", " + pick(choices_.scores[7]) + ")");
        }

        if (chance(0.85)) {
            user.pulse = std::clamp(user.pulse + between(-2, 2), user.restingPulse - 8,
                                    user.restingPulse + 8);
            user.weight = std::clamp(user.weight + between(-2, 2) / 10.0, user.usualWeight - 8,
                                     user.usualWeight + 8);
            insert("  Select Max(PWID) From PulseWeight",
                   "Insert Into PulseWeight Values(%1, " + id + dayValue +
                       QString::number(user.pulse) + ", " + QString::number(user.weight, 'f', 1) +
                       ", '" + pick(choices_.morale) + "')");
        }
    }

    // Allocates the next key as the windows do and runs the insert (with %1 for the key).
    qint64 insert(const char* allocation, const QString& text) {
        const qint64 key = store::nextKey(db_, QLatin1String(allocation));
        ++statements_;
        return execute(text.arg(key), key);
    }

    qint64 execute(const QString& statement, qint64 key) {
        db_.execute(statement);
        ++statements_;
        return key;
    }

    int between(int low, int high) { return std::uniform_int_distribution(low, high)(random_); }
    bool chance(double p) { return std::bernoulli_distribution(p)(random_); }
    const QString& pick(const std::vector<QString>& from) {
        return from[static_cast<std::size_t>(between(0, static_cast<int>(from.size()) - 1))];
    }

    store::Database& db_;
    const GeneratorSettings& settings_;
    std::mt19937 random_;
    Choices choices_;
    qint64 statements_ = 0;
};

}  // namespace

GeneratedData generateData(store::Database& db, const GeneratorSettings& settings) {
    GeneratedData data;
    db.inTransaction([&] { data = Generator(db, settings).run(); });
    return data;
}

GeneratedDatabase::GeneratedDatabase(const GeneratorSettings& settings) : session_(folder_.path()) {
    session_.OpenConnection();
    data_ = generateData(session_.db(), settings);
}

}  // namespace mirtal::bench
