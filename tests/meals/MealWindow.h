#pragma once

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDate>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QStringList>

#include "support/AppHarness.h"
#include "support/UiDriver.h"
#include "widgets/ChoiceList.h"
#include "widgets/CommandLabel.h"
#include "widgets/DatePicker.h"
#include "widgets/Grid.h"

namespace mirtal::testing {

// The meal window of Ann (user 1, the current user) on 8 December 2026, with Bob (user 2)
// beside her, opened as a navigation label opens it.
class MealWindow : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Opens the meal window afresh (after the fixture rows are in place).
    void open();

    template <class T>
    T* control(const char* name) {
        T* found = h.control<T>(app::WindowId::MealEvaluation, name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    widgets::ChoiceList* list(const char* name) { return control<widgets::ChoiceList>(name); }
    QLineEdit* field(const char* name) { return control<QLineEdit>(name); }
    QString text(const char* name) { return field(name)->text(); }
    QCheckBox* box(const char* name) { return control<QCheckBox>(name); }
    QRadioButton* option(const char* name) { return control<QRadioButton>(name); }
    widgets::DatePicker* picker() { return control<widgets::DatePicker>("DTPicker1"); }
    widgets::Grid* grid() { return control<widgets::Grid>("MSHFlexGrid1"); }
    void click(const char* label);
    void clickBox(QAbstractButton* button);

    // Picks the day in the calendar.
    void chooseDay(QDate day) { pickDay(picker(), day); }
    // Picks an entry from a list as a person does: open it, click the entry.
    void pick(const char* listName, const QString& entry);
    // Clicks an entry of a list that is open already, so that it is not refilled first.
    void clickOpenEntry(const char* listName, const QString& entry);
    void clickCell(int row, int col) { testing::clickCell(grid(), row, col); }
    void doubleClickCell(int row, int col) { testing::doubleClickCell(grid(), row, col); }

    // All cells of grid row `row`, column 0 to 11.
    QStringList gridRow(int row);

    // Inserts a meal evaluation of user 1 as the window would store it.
    void storeMeal(int key, QDate day, const QString& code, const QString& points, int user = 1);
    void storeSnacking(int key, QDate day, int snacking, int water, int user = 1);
    int count(const char* table);

    // The texts the day's reload issues, in order, with the day's snacking and water scores.
    static QStringList reloadStatements(QDate day, const QString& snacking = QStringLiteral("0"),
                                        const QString& water = QStringLiteral("0"));

    static inline const QDate today{2026, 12, 8};
    AppHarness h;
};

}  // namespace mirtal::testing
