// The crash loop's writer: works on the database in the folder given with the windows' own
// statements, for ever, until it is killed. Before an action's writes it prints each of them
// ("S " and the statement text), and once they have returned it prints "A": an acknowledged
// action. Actions of several rows run in one transaction, as the windows run them.
#include <unistd.h>

#include <QCoreApplication>
#include <QDate>
#include <cstdio>
#include <random>
#include <vector>

#include "store/DateText.h"
#include "store/KeyAllocator.h"
#include "store/Session.h"
#include "store/StoreError.h"

namespace {

using mirtal::store::Database;
using mirtal::store::DateText;
using mirtal::store::nextKey;

void say(const QByteArray& line) {
    const QByteArray text = line + '\n';
    for (qsizetype done = 0; done < text.size();) {
        const ssize_t n = ::write(STDOUT_FILENO, text.constData() + done,
                                  static_cast<std::size_t>(text.size() - done));
        if (n <= 0) {
            _exit(3);
        }
        done += n;
    }
}

class Writer {
  public:
    Writer(Database& db, unsigned seed) : db_(db), random_(seed) {}

    void run() {
        for (;;) {
            const std::vector<QString> users = column(" Select UserID From User1");
            if (users.size() < 2) {
                addUser();
                continue;
            }
            user_ = users[index(users.size())];
            switch (between(0, 19)) {
                case 0:
                    users.size() > 4 ? removeUser() : addUser();
                    break;
                case 1:
                case 2:
                    addExercise();
                    break;
                case 3:
                    removeExercise();
                    break;
                case 4:
                case 5:
                case 6:
                    addDailyExercise();
                    break;
                case 7:
                    restDay();
                    break;
                case 8:
                    changeTimesOrRemoveEntry();
                    break;
                case 9:
                case 10:
                case 11:
                    addMeal();
                    break;
                case 12:
                    removeRow("DMID", "DailyMealInput", " Delete From DailyMealInput Where DMID=");
                    break;
                case 13:
                case 14:
                    snacking();
                    break;
                case 15:
                case 16:
                    addProgress();
                    break;
                case 17:
                    changeOrRemoveProgress();
                    break;
                default:
                    targetValues();
            }
        }
    }

  private:
    // One action's writes: printed first, then run (together when more than one), then
    // acknowledged.
    void act(const std::vector<QString>& writes) {
        for (const QString& statement : writes) {
            say("S " + statement.toUtf8());
        }
        if (writes.size() == 1) {
            db_.execute(writes.front());
        } else {
            db_.inTransaction([&] {
                for (const QString& statement : writes) {
                    db_.execute(statement);
                }
            });
        }
        say("A");
    }

    std::vector<QString> column(const QString& select) {
        std::vector<QString> values;
        for (auto rs = db_.select(select); !rs.eof(); rs.moveNext()) {
            values.push_back(rs.field(0).toString());
        }
        return values;
    }

    int between(int low, int high) { return std::uniform_int_distribution(low, high)(random_); }
    std::size_t index(std::size_t size) {
        return static_cast<std::size_t>(between(0, static_cast<int>(size) - 1));
    }
    QDate day() { return QDate(2026, 1, 1).addDays(between(0, 90)); }
    QString key(const char* column, const char* table) {
        return QString::number(
            nextKey(db_, QStringLiteral("  Select Max(%1) From %2").arg(column, table)));
    }

    void addUser() {
        const QString k = key("UserID", "User1");
        act({"Insert Into User1 Values(" + k + ", 'User " + k + "')"});
    }

    void removeUser() {
        std::vector<QString> writes;
        for (const char* table : {"DailyMealInput", "DailySnackingInput", "Exercise", "PulseWeight",
                                  "PulseWeightTarget", "SetExercise", "User1"}) {
            writes.push_back(QStringLiteral("Delete  From %1 Where UserID=").arg(table) + user_);
        }
        act(writes);
    }

    void addExercise() {
        qint64 k = key("SEID", "SetExercise").toLongLong();
        std::vector<QString> writes;
        if (db_.select("  Select SEID, Intensity From SetExercise Where Intensity='No Workout' "
                       "And UserID=" +
                       user_)
                .recordCount() == 0) {
            writes.push_back("Insert Into SetExercise Values(" + QString::number(k++) + ", " +
                             user_ + ", 'NULL', 'No Workout', 'I rested today.')");
        }
        static const char* const intensities[] = {"Light", "Moderate", "Difficult"};
        writes.push_back("Insert Into SetExercise Values(" + QString::number(k) + ", " + user_ +
                         ", 'Exercise " + QString::number(k) + "', '" + intensities[between(0, 2)] +
                         "', 'Sunday`s; -- plan')");
        act(writes);
    }

    std::vector<QString> catalogue() {
        return column(" Select SEID From SetExercise Where Intensity<>'No Workout' And UserID=" +
                      user_);
    }

    void removeExercise() {
        const auto exercises = catalogue();
        if (exercises.empty()) {
            return;
        }
        const QString where = exercises[index(exercises.size())] + " And UserID=" + user_;
        act({"Delete From Exercise Where SEID=" + where,
             "Delete From SetExercise Where SEID=" + where});
    }

    void addDailyExercise() {
        const auto exercises = catalogue();
        if (exercises.empty()) {
            return;
        }
        const QString seid = exercises[index(exercises.size())];
        const QDate when = day();
        if (db_.select("  Select EID From Exercise Where SEID =" + seid +
                       " And ExcerciseDate =" + DateText::dayLiteral(when) + " And UserID=" + user_)
                .recordCount() > 0) {
            return;
        }
        const QString k = key("EID", "Exercise");
        act({"Insert Into Exercise Values(" + k + ", " + user_ + ", " + seid + ", '" +
             DateText::shortDate(when) + "', " + QString::number(between(1, 40)) + ")"});
    }

    void restDay() {
        const auto rest = column(
            "  Select SEID, ExerciseName, Intensity, Description From "
            "SetExercise Where Intensity ='No Workout' And UserID=" +
            user_);
        const QDate when = day();
        if (rest.size() != 1 || db_.select(" Select EID From Exercise Where ExcerciseDate=" +
                                           DateText::dayLiteral(when) + " And UserID=" + user_)
                                        .recordCount() > 0) {
            return;
        }
        const QString k = key("EID", "Exercise");
        act({"Insert Into Exercise Values(" + k + ", " + user_ + ", " + rest.front() + ", '" +
             DateText::shortDate(when) + "', 0)"});
    }

    void changeTimesOrRemoveEntry() {
        const auto entries = column(" Select EID From Exercise Where UserID=" + user_);
        if (entries.empty()) {
            return;
        }
        const QString eid = entries[index(entries.size())];
        if (between(0, 1) == 0) {
            act({" Update Exercise Set ExerciseTimes='" + QString::number(between(1, 60)) +
                 "' Where EID=" + eid + " And UserID=" + user_});
        } else {
            act({" Delete From Exercise Where EID=" + eid + " And UserID=" + user_});
        }
    }

    void addMeal() {
        static const char* const meals[] = {"1B", "2L", "3D"};
        const QString meal = QLatin1String(meals[between(0, 2)]);
        const QDate when = day();
        if (db_.select("  Select DMID From DailyMealInput Where UserID=" + user_ +
                       " And MealType ='" + meal + "' And MealDate=" + DateText::dayLiteral(when))
                .recordCount() > 0) {
            return;
        }
        const QString k = key("DMID", "DailyMealInput");
        const QString start = "Insert Into DailyMealInput Values(" + k + ", " + user_ + ", '" +
                              DateText::shortDate(when) + "', '" + meal + "',";
        if (between(0, 5) == 0) {
            act({start + " -8, 0, 0, 0, 0, 0, 0, 0, 0)"});
            return;
        }
        act({start + " 0, " + QString::number(between(-4, 3)) + ", " +
             QString::number(between(-3, 3)) + ", " + QString::number(between(-1, 3)) + ", " +
             QString::number(between(-3, 3)) + ", " + QString::number(between(0, 3)) + ", " +
             QString::number(3 * between(0, 1)) + ", " + QString::number(between(0, 1)) + ", " +
             QString::number(5 * between(0, 1)) + ")"});
    }

    void removeRow(const char* keyColumn, const char* table, const QString& deleteStart) {
        const auto keys = column(
            QStringLiteral(" Select %1 From %2 Where UserID=").arg(keyColumn, table) + user_);
        if (!keys.empty()) {
            act({deleteStart + keys[index(keys.size())] + " And UserID=" + user_});
        }
    }

    void snacking() {
        const QDate when = day();
        const QString scores =
            QString::number(between(-4, 3)) + ", Water=" + QString::number(between(-2, 4));
        const auto found = column("  Select DSID From DailySnackingInput Where UserID=" + user_ +
                                  " And MealDate=" + DateText::dayLiteral(when));
        if (found.empty()) {
            const QString k = key("DSID", "DailySnackingInput");
            act({"Insert Into DailySnackingInput Values(" + k + ", " + user_ + ", '" +
                 DateText::shortDate(when) + "', " + QString::number(between(-4, 3)) + ", " +
                 QString::number(between(-2, 4)) + ")"});
        } else if (between(0, 2) > 0) {
            act({" Update DailySnackingInput Set MealDate='" + DateText::shortDate(when) +
                 "', Snacking=" + scores + " Where DSID=" + found.front() +
                 " And UserID=" + user_});
        } else {
            act({" Delete From DailySnackingInput Where DSID=" + found.front() +
                 " And UserID=" + user_});
        }
    }

    QString pulseAndWeight() {
        return QString::number(between(45, 90)) + ", " + QString::number(between(500, 1200) / 10.0);
    }

    void addProgress() {
        const QDate when = day();
        if (db_.select("  Select Date1 From PulseWeight Where Date1= " +
                       DateText::dayLiteral(when) + " And UserID=" + user_)
                .recordCount() > 0) {
            return;
        }
        static const char* const morale[] = {"Excellent", "Good", "Average", "Low", "The Pits"};
        const QString k = key("PWID", "PulseWeight");
        act({"Insert Into PulseWeight Values(" + k + ", " + user_ + ", '" +
             DateText::shortDate(when) + "', " + pulseAndWeight() + ", '" + morale[between(0, 4)] +
             "')"});
    }

    void changeOrRemoveProgress() {
        const auto entries = column(" Select PWID from PulseWeight Where UserID=" + user_);
        if (entries.empty()) {
            return;
        }
        const QString pwid = entries[index(entries.size())];
        if (between(0, 1) == 0) {
            act({" Update PulseWeight Set Date1=" + DateText::dayLiteral(day()) +
                 ", Pulse=" + QString::number(between(45, 90)) +
                 ", Weight=" + QString::number(between(500, 1200) / 10.0) +
                 ", Morale='Good' Where PWID=" + pwid + " And UserID=" + user_});
        } else {
            act({"Delete From PulseWeight Where PWID=" + pwid + " And UserID=" + user_});
        }
    }

    void targetValues() {
        const auto found = column("  Select TPWID From PulseWeightTarget Where UserID=" + user_);
        const QDate start = day();
        const QDate end = start.addDays(between(30, 365));
        if (found.empty()) {
            const QString k = key("TPWID", "PulseWeightTarget");
            act({"Insert Into PulseWeightTarget Values( " + k + ", " + user_ + ", '" +
                 DateText::shortDate(start) + "', '" + DateText::shortDate(end) + "', " +
                 pulseAndWeight() + ")"});
        } else if (between(0, 3) > 0) {
            act({" Update PulseWeightTarget Set StartDate=#" + DateText::dayText(start) +
                 "#, TargetDate=#" + DateText::dayText(end) +
                 "#, Pulse=" + QString::number(between(45, 90)) +
                 ", Weight=" + QString::number(between(500, 1200) / 10.0) +
                 " Where TPWID=" + found.front() + " And UserID=" + user_});
        } else {
            act({"Delete From PulseWeightTarget Where TPWID=" + found.front() +
                 " And UserID=" + user_});
        }
    }

    Database& db_;
    std::mt19937 random_;
    QString user_;
};

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: mirtal-crash-writer FOLDER SEED\n");
        return 2;
    }
    try {
        mirtal::store::Session session(QString::fromLocal8Bit(argv[1]));
        session.OpenConnection();
        Writer(session.db(), static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10))).run();
    } catch (const mirtal::store::StoreError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.description()));
        return 1;
    }
    return 0;
}
