#pragma once

#include <QDate>
#include "DeliveredFolder.h"
#include "store/Session.h"

namespace mirtal::bench {

struct GeneratorSettings {
    int users = 4;
    int years = 20;
    int days = 0;  // when above 0, the days logged up to lastDay, in place of years
    QDate lastDay = QDate(2026, 12, 31);
    unsigned seed = 1;
};

struct GeneratedData {
    QDate firstDay;
    QDate lastDay;
    qint64 statements = 0;  // inserts and key allocations handed to the store
};

// Fills the database with `users` users who each logged `years` years of days up to
// `lastDay`: target values, a catalogue with the rest-day row, the day's exercises or a rest
// day, three meals (now and then one skipped), snacking and water, pulse, weight and morale.
// Everything goes in through the windows' own insert statements, with keys from the
// allocation statements and days as short-date text, in one transaction. The users log
// day by day in turn, so their rows interleave in the tables as they would in a household.
GeneratedData generateData(store::Database& db, const GeneratorSettings& settings);

// A fresh delivered database in a folder of its own, opened through the program's
// connection string and filled by generateData().
class GeneratedDatabase {
  public:
    explicit GeneratedDatabase(const GeneratorSettings& settings);

    store::Database& db() { return session_.db(); }
    const GeneratedData& data() const { return data_; }
    // The folder that holds Mirtal.mdb, for starting the program on it.
    QString directory() const { return folder_.path(); }

  private:
    harness::DeliveredFolder folder_;
    store::Session session_;
    GeneratedData data_;
};

}  // namespace mirtal::bench
