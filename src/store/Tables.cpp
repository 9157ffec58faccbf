#include "store/Tables.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace mirtal::store {

namespace {

using enum ColumnKind;

constexpr std::array user1{Column{"UserID", Number}, Column{"UserName", Text}};
constexpr std::array setExercise{Column{"SEID", Number}, Column{"UserID", Number},
                                 Column{"ExerciseName", Text}, Column{"Intensity", Text},
                                 Column{"Description", Text}};
constexpr std::array exercise{Column{"EID", Number}, Column{"UserID", Number},
                              Column{"SEID", Number}, Column{"ExcerciseDate", Day},
                              Column{"ExerciseTimes", Number}};
constexpr std::array pulseWeight{Column{"PWID", Number},   Column{"UserID", Number},
                                 Column{"Date1", Day},     Column{"Pulse", Number},
                                 Column{"Weight", Number}, Column{"Morale", Text}};
constexpr std::array pulseWeightTarget{Column{"TPWID", Number},  Column{"UserID", Number},
                                       Column{"StartDate", Day}, Column{"TargetDate", Day},
                                       Column{"Pulse", Number},  Column{"Weight", Number}};
constexpr std::array dailyMealInput{Column{"DMID", Number},
                                    Column{"UserID", Number},
                                    Column{"MealDate", Day},
                                    Column{"MealType", Text},
                                    Column{"NotEat", Number},
                                    Column{"FatIntake", Number},
                                    Column{"FastSugarIntake", Number},
                                    Column{"FiberIntake", Number},
                                    Column{"OverallQuantity", Number},
                                    Column{"PositiveFoods", Number},
                                    Column{"PrepareMyself", Number},
                                    Column{"PrepareSomeone", Number},
                                    Column{"AteSlowly", Number}};
constexpr std::array dailySnackingInput{Column{"DSID", Number}, Column{"UserID", Number},
                                        Column{"MealDate", Day}, Column{"Snacking", Number},
                                        Column{"Water", Number}};
constexpr std::array setMealPoint{Column{"MID", Number}, Column{"SubID", Number},
                                  Column{"MealName", Text}, Column{"Score", Number}};

constexpr std::array allTables{
    Table{"User1", user1},
    Table{"SetExercise", setExercise},
    Table{"Exercise", exercise},
    Table{"PulseWeight", pulseWeight},
    Table{"PulseWeightTarget", pulseWeightTarget},
    Table{"DailyMealInput", dailyMealInput},
    Table{"DailySnackingInput", dailySnackingInput},
    Table{"SetMealPoint", setMealPoint},
};

bool sameName(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

std::span<const Table> tables() {
    return allTables;
}

const Table* findTable(std::string_view name) {
    const auto it =
        std::ranges::find_if(allTables, [&](const Table& t) { return sameName(t.name, name); });
    return it == allTables.end() ? nullptr : &*it;
}

const Column* findColumn(const Table& table, std::string_view name) {
    const auto it = std::ranges::find_if(table.columns,
                                         [&](const Column& c) { return sameName(c.name, name); });
    return it == table.columns.end() ? nullptr : &*it;
}

}  // namespace mirtal::store
