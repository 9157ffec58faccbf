#include "meals/Form5.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <array>

#include "app/Clock.h"
#include "app/EditFlow.h"
#include "app/Links.h"
#include "app/StoreGuard.h"
#include "app/WindowSwitcher.h"
#include "meals/CalculationPanel.h"
#include "meals/MealPointList.h"
#include "meals/MealStatements.h"
#include "meals/MealTotals.h"
#include "meals/SnackingAndWater.h"
#include "store/KeyAllocator.h"
#include "store/Vocabulary.h"
#include "widgets/AccessibleNames.h"
#include "widgets/ChoiceList.h"
#include "widgets/CommandLabel.h"
#include "widgets/DatePicker.h"
#include "widgets/Grid.h"
#include "widgets/HoverReset.h"
#include "widgets/NavigationBar.h"

namespace mirtal::meals {

namespace vocabulary = store::vocabulary;

namespace {

const QString messageTitle = QStringLiteral("Message");
const QString allStoredMessage =
    QStringLiteral("You have already selected today's Breakfast, Lunch and Dinner.");
const QString selectMealMessage = QStringLiteral("Please select a meal.");

const QString gridFormat = QStringLiteral(
    "|ID|Meal|NotEat|Fat|FastSugar|Fiber|Overall|PositiveFoods|PrepareMyself|AteSitting|"
    "AteSlowly");

// The grid's key column and the cell of the totals row that marks it.
constexpr int keyColumn = 1;
constexpr int mealColumn = 2;
const QString totalsMark = QStringLiteral("   T");

// A meal not eaten costs its -8 and scores nothing on the five criteria and three bonuses.
const QStringList skippedMealPoints =
    QStringList{QStringLiteral("-8")} + QStringList(8, QStringLiteral("0"));

// An option of an exclusive group cannot be unselected by itself.
void deselect(QRadioButton* option) {
    option->setAutoExclusive(false);
    option->setChecked(false);
    option->setAutoExclusive(true);
}

}  // namespace

Form5::Form5(app::WindowSwitcher& switcher, ScoreLookup& lookup)
    : switcher_(switcher), frame_(this, switcher, app::WindowId::MealEvaluation, QSize(928, 608)) {
    buildControls(lookup);

    // Load; the frame has laid out the border.
    DTPicker1->setDate(app::Clock::today());
    frame_.loadCurrentUser();
    app::guarded(switcher_.messages(), [this] { RefreshData(); });
}

void Form5::RefreshData() {
    reloadMealOptions();

    MSHFlexGrid1->setRows(2);
    MSHFlexGrid1->clearCells();
    MSHFlexGrid1->setFormatString(gridFormat);
    store::ResultSet rs = switcher_.session().db().select(
        statements::dayMeals(switcher_.session().userIdText(), DTPicker1->date()));
    MealTotals totals;
    if (rs.recordCount() > 0) {
        int row = 1;
        for (; !rs.eof(); rs.moveNext(), ++row) {
            totals.add(rs);
            for (int col = 1; col < MSHFlexGrid1->cols(); ++col) {
                MSHFlexGrid1->setTextMatrix(row, col, rs.field(col - 1).toString());
            }
            // The appended row's leading cell shows the key of the row just written; the row
            // appended last becomes the totals row.
            MSHFlexGrid1->setRows(row + 2);
            MSHFlexGrid1->setTextMatrix(row + 1, 0, rs.field(u"DMID").toString());
        }
        MSHFlexGrid1->setTextMatrix(row, keyColumn, QString());
        MSHFlexGrid1->setTextMatrix(row, mealColumn, totalsMark);
        const QStringList totalsTexts = totals.rowTexts();
        for (int i = 0; i < totalsTexts.size(); ++i) {
            MSHFlexGrid1->setTextMatrix(row, mealColumn + 1 + i, totalsTexts[i]);
        }
    }
    MSHFlexGrid1->setColWidth(keyColumn, 0);
    showCellsWhole();

    Frame2->reload();
    Frame3->showPoints(totals, Frame2->snackingScore(), Frame2->waterScore());
}

void Form5::showCellsWhole() {
    // The leading cells hold keys, and the captions are wider than the format string makes
    // their columns in most fonts; both are read whole.
    MSHFlexGrid1->resizeColumnToContents(0);
    MSHFlexGrid1->setColWidth(
        0, std::max(MSHFlexGrid1->colWidth(0), widgets::Grid::narrowColumnWidth()));
    for (int col = keyColumn + 1; col < MSHFlexGrid1->cols(); ++col) {
        MSHFlexGrid1->setColWidth(col,
                                  std::max(MSHFlexGrid1->colWidth(col),
                                           MSHFlexGrid1->horizontalHeader()->sectionSizeHint(col)));
    }
}

void Form5::reloadMealOptions() {
    const std::array<std::pair<QRadioButton*, QString>, 3> options{{
        {OptBreakfast, vocabulary::breakfastCode},
        {OptLunch, vocabulary::lunchCode},
        {OptDinner, vocabulary::dinnerCode},
    }};
    for (const auto& [option, code] : options) {
        const store::ResultSet rs = switcher_.session().db().select(storedMeal(code));
        if (rs.recordCount() == 1) {
            option->setEnabled(false);
            deselect(option);
        } else if (rs.recordCount() == 0) {
            option->setEnabled(true);
        } else {
            switcher_.messages().inform(vocabulary::duplicateChoiceMessage);
        }
    }
}

QString Form5::storedMeal(const QString& mealCode) const {
    return statements::storedMeal(switcher_.session().userIdText(), mealCode, DTPicker1->date());
}

void Form5::ClearData() {
    for (MealPointList* criterion : criteria_) {
        criterion->clear();
    }
    for (QCheckBox* bonus : {Check1, Check2, Check3}) {
        bonus->setChecked(false);
    }
}

void Form5::MealType() {
    mealCode_.clear();
    if (OptBreakfast->isChecked()) {
        mealCode_ = vocabulary::breakfastCode;
    }
    if (OptLunch->isChecked()) {
        mealCode_ = vocabulary::lunchCode;
    }
    if (OptDinner->isChecked()) {
        mealCode_ = vocabulary::dinnerCode;
    }
}

bool Form5::allMealsStored() const {
    return !OptBreakfast->isEnabled() && !OptLunch->isEnabled() && !OptDinner->isEnabled();
}

void Form5::dayChosen() {
    TxtHidID1->clear();
    Frame2->forgetShownEntry();
    app::guarded(switcher_.messages(), [this] { RefreshData(); });
}

void Form5::mealOptionClicked() {
    if (Check0->isChecked()) {
        ClearData();
        Frame1->setEnabled(false);
    }
}

// Runs on every change of the box, also the one it makes itself: unchecking the box after
// "Please select a meal." comes back here and enables the evaluation again.
void Form5::notEatenChanged() {
    app::Messages& messages = switcher_.messages();
    const bool checked = Check0->isChecked();
    const bool mealSelected =
        OptBreakfast->isChecked() || OptLunch->isChecked() || OptDinner->isChecked();
    if (allMealsStored() && checked) {
        messages.inform(allStoredMessage, messageTitle, app::Messages::Icon::Information);
        Frame1->setEnabled(false);
    } else if (!mealSelected && checked) {
        messages.inform(selectMealMessage, messageTitle, app::Messages::Icon::Information);
        Check0->setChecked(false);
    } else if (checked) {
        ClearData();
        Frame1->setEnabled(false);
    } else {
        Frame1->setEnabled(true);
    }
}

void Form5::submitMeal() {
    app::Messages& messages = switcher_.messages();
    if (allMealsStored() && Check0->isChecked()) {
        messages.inform(allStoredMessage, messageTitle, app::Messages::Icon::Information);
        Frame1->setEnabled(false);
        return;
    }
    app::guarded(messages, [this, &messages] {
        store::Database& db = switcher_.session().db();
        const qint64 key = store::nextKey(db, statements::lastMealKey());
        MealType();
        if (mealCode_.isEmpty()) {
            messages.inform(selectMealMessage, messageTitle, app::Messages::Icon::Information);
            return;
        }
        if (!app::refuseTakenDay(messages, db, storedMeal(mealCode_),
                                 QStringLiteral("This meal type is already exits."))) {
            if (Check0->isChecked()) {
                insertMeal(key, skippedMealPoints);
            } else if (!insertEatenMeal(key)) {
                return;
            }
        }
        RefreshData();
    });
}

void Form5::insertMeal(qint64 key, const QStringList& points) {
    switcher_.session().db().execute(statements::insertMeal(key, switcher_.session().userIdText(),
                                                            DTPicker1->date(), mealCode_, points));
}

// False when a criterion has no score yet; nothing is stored then, and nothing reloaded.
bool Form5::insertEatenMeal(qint64 key) {
    const QList<QLineEdit*> scores{TxtScore1, TxtScore2, TxtScore3, TxtScore4, TxtScore5};
    if (std::any_of(scores.begin(), scores.end(),
                    [](const QLineEdit* score) { return score->text().isEmpty(); })) {
        switcher_.messages().inform(QStringLiteral("All the meal scores are not seleted."));
        return false;
    }
    QStringList points{QStringLiteral("0")};
    for (const QLineEdit* score : scores) {
        points << score->text();
    }
    points << (Check1->isChecked() ? QStringLiteral("3") : QStringLiteral("0"))
           << (Check2->isChecked() ? QStringLiteral("1") : QStringLiteral("0"))
           << (Check3->isChecked() ? QStringLiteral("5") : QStringLiteral("0"));
    insertMeal(key, points);
    switcher_.messages().inform(QStringLiteral("Selected meal has been added."));
    return true;
}

void Form5::mealClicked(int row) {
    app::pickKey(*MSHFlexGrid1, row, *TxtHidID1, keyColumn);
}

void Form5::removeMeal() {
    app::removePicked(switcher_.messages(), *TxtHidID1,
                      {.nothingPicked = {QStringLiteral("No data found in this field.")},
                       .deleteRow =
                           [this](const QString& key) {
                               switcher_.session().db().execute(
                                   statements::removeMeal(key, switcher_.session().userIdText()));
                           },
                       .afterwards = [this] { RefreshData(); }});
}

void Form5::openDietPage() {
    switcher_.links().open(
        app::sitePage(switcher_.applicationDirectory(), QStringLiteral("/diet.html")));
}

void Form5::buildControls(ScoreLookup& lookup) {
    Label1 = frame_.Label1;
    LabelUser = frame_.LabelUser;
    CmdHelp = frame_.CmdHelp;
    Label10 = new QLabel(QStringLiteral("Date :"), this);
    Label10->setObjectName(QStringLiteral("Label10"));
    Label10->setGeometry(440, 34, 44, 28);
    DTPicker1 = new widgets::DatePicker(QStringLiteral("DTPicker1"), this);
    DTPicker1->setGeometry(488, 34, 124, 28);
    widgets::nameByCaption(Label10, DTPicker1);

    buildMealChoice();
    buildEvaluation(lookup);

    Frame5 = new QGroupBox(this);
    Frame5->setObjectName(QStringLiteral("Frame5"));
    Frame5->setGeometry(300, 366, 260, 50);
    LblDailyMeal =
        new widgets::CommandLabel(QStringLiteral("LblDailyMeal"), QStringLiteral("&SUBMIT"),
                                  QStringLiteral("Shape13"), Frame5);
    LblDailyMeal->setGeometry(136, 12, 112, 28);
    TxtHidID1 = new QLineEdit(Frame5);
    TxtHidID1->setObjectName(QStringLiteral("TxtHidID1"));
    TxtHidID1->hide();

    LblURL_PF = widgets::CommandLabel::link(QStringLiteral("LblURL_PF"),
                                            QStringLiteral("&Positive Foods"), this);
    LblURL_PF->setGeometry(52, 380, 128, 22);

    Frame2 = new SnackingAndWater(
        switcher_, lookup, DTPicker1, [this] { RefreshData(); }, this);
    Frame2->move(576, 70);
    Frame3 = new CalculationPanel(this);
    Frame3->move(576, 282);

    MSHFlexGrid1 = new widgets::Grid(QStringLiteral("MSHFlexGrid1"), this);
    MSHFlexGrid1->setGeometry(40, 426, width() - 80, frame_.barTop() - 10 - 426);

    // The meal down the left, snacking, water and the day's points down the right, the
    // day's meals below.
    QList<QWidget*> readingOrder{DTPicker1,
                                 CmdHelp,
                                 OptBreakfast,
                                 OptLunch,
                                 OptDinner,
                                 Check0,
                                 CmbFatIntake,
                                 TxtScore1,
                                 CmbFastSugarIntake,
                                 TxtScore2,
                                 CmbFiberIntake,
                                 TxtScore3,
                                 CmbOverallQuantity,
                                 TxtScore4,
                                 CmbPositiveFoods,
                                 TxtScore5,
                                 Check1,
                                 Check2,
                                 Check3,
                                 LblURL,
                                 LblURL_PF,
                                 LblDailyMeal};
    readingOrder << Frame2->readingOrder() << Frame3->readingOrder() << MSHFlexGrid1;
    frame_.setReadingOrder(readingOrder);

    widgets::HoverReset::install(Frame5, {LblDailyMeal});
    widgets::HoverReset::install(this, frame_.bar->labels())->add({LblURL, LblURL_PF});

    connect(DTPicker1, &widgets::DatePicker::closeUp, this, &Form5::dayChosen);
    connect(LblDailyMeal, &widgets::CommandLabel::clicked, this, &Form5::submitMeal);
    connect(MSHFlexGrid1, &widgets::Grid::clicked, this, &Form5::mealClicked);
    connect(MSHFlexGrid1, &widgets::Grid::doubleClicked, this, &Form5::removeMeal);
    connect(LblURL, &widgets::CommandLabel::clicked, this, &Form5::openDietPage);
    connect(LblURL_PF, &widgets::CommandLabel::clicked, this, &Form5::openDietPage);
}

void Form5::buildMealChoice() {
    Frame4 = new QGroupBox(this);
    Frame4->setObjectName(QStringLiteral("Frame4"));
    Frame4->setGeometry(40, 70, 520, 48);
    Label16 = new QLabel(QStringLiteral("Meal Type :"), Frame4);
    Label16->setObjectName(QStringLiteral("Label16"));
    Label16->setGeometry(12, 11, 84, 26);
    const auto option = [this](const char* name, const QString& caption, int left, int width) {
        auto* button = new QRadioButton(caption, Frame4);
        button->setObjectName(QLatin1String(name));
        button->setGeometry(left, 11, width, 26);
        connect(button, &QRadioButton::clicked, this, &Form5::mealOptionClicked);
        return button;
    };
    OptBreakfast = option("OptBreakfast", QStringLiteral("Breakfast"), 100, 96);
    OptLunch = option("OptLunch", QStringLiteral("Lunch"), 198, 72);
    OptDinner = option("OptDinner", QStringLiteral("Dinner"), 272, 76);
    Check0 = new QCheckBox(QStringLiteral("I didn't eat [-8]"), Frame4);
    Check0->setObjectName(QStringLiteral("Check0"));
    Check0->setGeometry(358, 11, 150, 26);
    connect(Check0, &QCheckBox::toggled, this, &Form5::notEatenChanged);
}

void Form5::buildEvaluation(ScoreLookup& lookup) {
    Frame1 = new QGroupBox(QStringLiteral("*****"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(40, 126, 520, 232);
    struct Criterion {
        const char* caption;
        const char* list;
        const char* score;
    };
    const Criterion criteria[] = {
        {"Fat Intake :", "CmbFatIntake", "TxtScore1"},
        {"Fast Sugar Intake :", "CmbFastSugarIntake", "TxtScore2"},
        {"Fiber Intake :", "CmbFiberIntake", "TxtScore3"},
        {"Overall Quantity :", "CmbOverallQuantity", "TxtScore4"},
        {"Positive Foods :", "CmbPositiveFoods", "TxtScore5"},
    };
    int category = 1;
    for (const Criterion& c : criteria) {
        auto* list = new MealPointList(category, QLatin1String(c.caption), QLatin1String(c.list),
                                       QLatin1String(c.score), switcher_, lookup, Frame1);
        list->placeInRow(12, 22 + (category - 1) * 30, 128, 232);
        criteria_ << list;
        ++category;
    }
    CmbFatIntake = criteria_[0]->list();
    TxtScore1 = criteria_[0]->scoreField();
    CmbFastSugarIntake = criteria_[1]->list();
    TxtScore2 = criteria_[1]->scoreField();
    CmbFiberIntake = criteria_[2]->list();
    TxtScore3 = criteria_[2]->scoreField();
    CmbOverallQuantity = criteria_[3]->list();
    TxtScore4 = criteria_[3]->scoreField();
    CmbPositiveFoods = criteria_[4]->list();
    TxtScore5 = criteria_[4]->scoreField();

    const auto bonus = [this](const char* name, const QString& caption, QRect where) {
        auto* box = new QCheckBox(caption, Frame1);
        box->setObjectName(QLatin1String(name));
        box->setGeometry(where);
        return box;
    };
    Check1 = bonus("Check1", QStringLiteral("I prepared this meal myself [+3]"),
                   QRect(12, 176, 250, 24));
    Check2 = bonus("Check2", QStringLiteral("I ate sitting down [+1]"), QRect(270, 176, 238, 24));
    Check3 = bonus("Check3", QStringLiteral("I ate slowly and chewed carefully [+5]"),
                   QRect(12, 200, 290, 24));
    LblURL = widgets::CommandLabel::link(QStringLiteral("LblURL"), QStringLiteral("&What's this?"),
                                         Frame1);
    LblURL->setGeometry(396, 201, 112, 22);
}

}  // namespace mirtal::meals
