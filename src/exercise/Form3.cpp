#include "exercise/Form3.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <tuple>
#include <utility>

#include "app/Clock.h"
#include "app/EditFlow.h"
#include "app/StoreGuard.h"
#include "app/WindowSwitcher.h"
#include "exercise/CountSteps.h"
#include "exercise/DayPoints.h"
#include "exercise/ExerciseStatements.h"
#include "store/KeyAllocator.h"
#include "store/Vocabulary.h"
#include "widgets/AccessibleNames.h"
#include "widgets/CellOverlay.h"
#include "widgets/CommandLabel.h"
#include "widgets/DatePicker.h"
#include "widgets/Grid.h"
#include "widgets/HoverReset.h"
#include "widgets/ItemList.h"
#include "widgets/NavigationBar.h"
#include "widgets/NumericField.h"
#include "widgets/Twips.h"

namespace mirtal::exercise {

namespace {

constexpr int timesColumn = 5;
const QString gridFormat =
    QStringLiteral("|EID |ID|Intensity    |Exercise Name  |Times|Description               ");

// Whether the editor's text stands for the number the cell shows: "5." for "5" as well.
bool sameNumber(const QString& edited, const QString& shown) {
    return edited == shown ||
           (widgets::isWellFormedNumber(edited) && widgets::isWellFormedNumber(shown) &&
            edited.toDouble() == shown.toDouble());
}

}  // namespace

Form3::Form3(app::WindowSwitcher& switcher)
    : switcher_(switcher), frame_(this, switcher, app::WindowId::DailyExercise, QSize(800, 600)) {
    buildControls();

    // Load.
    DTPicker1->setDate(app::Clock::today());
    frame_.loadCurrentUser();
    app::Messages& messages = switcher_.messages();
    app::guarded(messages, [this] { RefreshData(); });
    // The lists are filled once: exercises added to the catalogue show up when the window is
    // opened again.
    app::guarded(messages, [this] {
        const QStringList& names = intensities();
        fillList(ListLight, names[0]);
        fillList(ListModerate, names[1]);
        fillList(ListDifficult, names[2]);
    });
}

QString Form3::user() const {
    return switcher_.session().userIdText();
}

store::Database& Form3::db() {
    return switcher_.session().db();
}

void Form3::fillList(widgets::ItemList* list, const QString& intensity) {
    list->clear();
    for (store::ResultSet rs = db().select(statements::exercisesOfIntensity(user(), intensity));
         !rs.eof(); rs.moveNext()) {
        list->addEntry(rs.field(u"ExerciseName").toString(), rs.field(u"SEID"));
    }
}

void Form3::RefreshData() {
    boxChange_ = BoxChange::Program;
    {
        // Rebuilding the grid is not the person moving to a cell.
        const QSignalBlocker quiet(MSHFlexGrid1);
        MSHFlexGrid1->setCurrentGridCell(0, 0);
        MSHFlexGrid1->setRows(1);
        MSHFlexGrid1->setFormatString(gridFormat);
    }
    const store::ResultSet rs = db().select(statements::entriesOfDay(user(), DTPicker1->date()));
    if (rs.recordCount() > 0) {
        {
            const QSignalBlocker quiet(MSHFlexGrid1);
            MSHFlexGrid1->showRows(rs);
        }
        showPoints(rs);
        ChkNoExercise->setChecked(false);
        ChkNoExercise->setEnabled(false);
        if (rs.recordCount() == 1 &&
            rs.field(u"Intensity").toString() == store::vocabulary::restDayIntensity) {
            // A rest day counts -1, so that it stands out in the report.
            TxtTotal->setText(pointsText(rs.field(u"Times").toDouble() - 1));
            TxtHidID->setText(rs.field(u"EID").toString());
            ChkNoExercise->setEnabled(true);
            ChkNoExercise->setChecked(true);
        }
    } else {
        for (QLineEdit* display : {TxtLight, TxtModerate, TxtDifficult, TxtTotal}) {
            display->setText(QStringLiteral("0"));
        }
        ChkNoExercise->setEnabled(true);
        ChkNoExercise->setChecked(false);
    }
    MSHFlexGrid1->setColWidth(1, 0);
    MSHFlexGrid1->setColWidth(2, 0);
    keepTimesEditorOnItsEntry();
}

void Form3::showPoints(store::ResultSet rows) {
    QLineEdit* const displays[] = {TxtLight, TxtModerate, TxtDifficult};
    for (QLineEdit* display : displays) {
        display->setText(QStringLiteral("0"));
    }
    for (; !rows.eof(); rows.moveNext()) {
        const QString intensity = rows.field(u"Intensity").toString();
        const qsizetype which = intensities().indexOf(intensity);
        if (which < 0) {
            continue;
        }
        QLineEdit* display = displays[which];
        display->setText(pointsText(static_cast<double>(wholePoints(display->text())) +
                                    rows.field(u"Times").toDouble() * pointsPerTime(intensity)));
    }
    qint64 total = 0;
    for (QLineEdit* display : displays) {
        total += wholePoints(display->text());
    }
    TxtTotal->setText(QString::number(total));
}

void Form3::keepTimesEditorOnItsEntry() {
    if (txtMark->isHidden()) {
        return;
    }
    for (int row = 1; row < MSHFlexGrid1->rows(); ++row) {
        if (MSHFlexGrid1->textMatrix(row, 1) == timesEntry_) {
            const QSignalBlocker quiet(MSHFlexGrid1);
            MSHFlexGrid1->setCurrentGridCell(row, timesColumn);
            widgets::placeOverCell(txtMark, *MSHFlexGrid1, row, timesColumn, widgets::twips(50));
            return;
        }
    }
    txtMark->hide();
}

void Form3::chooseExercise(widgets::ItemList* list, int row) {
    TxtCount->setText(QStringLiteral("1"));
    selectedExercise_ = list->itemData(row).toLongLong();
}

void Form3::insertEntry(const QString& seid, const QString& times, const QString& notFound) {
    store::Database& db = this->db();
    const qint64 key = store::nextKey(db, statements::lastEntryKey());
    const store::ResultSet rs = db.select(statements::exerciseOfUser(seid, user()));
    if (rs.recordCount() == 1) {
        db.execute(statements::insertEntry(key, user(), rs.field(u"SEID").toString(),
                                           DTPicker1->date(), times));
    } else if (rs.recordCount() == 0) {
        switcher_.messages().inform(notFound);
    } else {
        switcher_.messages().inform(store::vocabulary::duplicateExerciseMessage);
    }
}

void Form3::submit() {
    app::Messages& messages = switcher_.messages();
    if (!selectedExercise_) {
        messages.inform(QStringLiteral("Please Select the exercise name"));
        return;
    }
    if (TxtCount->text().isEmpty()) {
        messages.inform(QStringLiteral("Please Enter the Numbers of time"));
        return;
    }
    if (!widgets::checkNumbers({TxtCount})) {
        return;
    }
    app::guarded(messages, [&] {
        const QString seid = QString::number(*selectedExercise_);
        if (app::refuseTakenDay(
                messages, db(), statements::entryOfExerciseOnDay(seid, DTPicker1->date(), user()),
                QStringLiteral(
                    "Selected exercise name is already been choosen for today's date."))) {
            return;
        }
        insertEntry(seid, TxtCount->text(),
                    QStringLiteral("Please select the exercise name from the list first."));
        RefreshData();
    });
}

void Form3::Test() {
    const store::ResultSet rs =
        db().select(statements::exercisesOfIntensity(user(), store::vocabulary::restDayIntensity));
    if (rs.recordCount() == 0) {
        switcher_.messages().inform(
            QStringLiteral("Please add at least one exercise in the list before starting."));
        return;
    }
    if (rs.recordCount() > 1) {
        switcher_.messages().inform(store::vocabulary::duplicateExerciseMessage);
        return;
    }
    // The rest day is stored on its own: the exercise chosen in the lists stays chosen.
    insertEntry(rs.field(u"SEID").toString(), QStringLiteral("0"),
                QStringLiteral("Please add it first from 'frm Add Exercise'."));
    RefreshData();
}

void Form3::RemoveChk() {
    // Unchecking the box is the question: the rest-day entry goes without another. A store
    // failure goes to the box's handler, which shows the day as it is stored again.
    app::removePickedOrThrow(switcher_.messages(), *TxtHidID,
                             {.question = QString(),
                              .deleteRow = [this](const QString& key) { deleteEntry(key); },
                              .afterwards = [this] { RefreshData(); }});
}

void Form3::deleteEntry(const QString& key) {
    db().execute(statements::deleteEntry(key, user()));
}

void Form3::restDayBoxToggled(bool checked) {
    Frame2->setEnabled(!checked);
    if (boxChange_ != BoxChange::User) {
        return;
    }
    app::Messages& messages = switcher_.messages();
    if (!app::guarded(messages, [this, checked] { checked ? Test() : RemoveChk(); })) {
        // Show the day as it is stored again.
        app::guarded(messages, [this] { RefreshData(); });
    }
    // The box gives up the focus, so that the next click on it is the person's again.
    TxtTotal->setFocus();
}

void Form3::pickEntry(int row) {
    app::pickKey(*MSHFlexGrid1, row, *TxtHidID);
}

void Form3::removeEntry() {
    // The removed key stays in TxtHidID.
    app::removePicked(switcher_.messages(), *TxtHidID,
                      {.deleteRow = [this](const QString& key) { deleteEntry(key); },
                       .afterwards = [this] { RefreshData(); }});
}

void Form3::enterCell(int row, int col) {
    // Moving with the keys picks the row as a click does, so the editor always works on the
    // entry it stands over.
    pickEntry(row);
    if (col != timesColumn) {
        // The editor belongs to its cell: left there, it would take typing that goes nowhere.
        txtMark->hide();
        return;
    }
    timesEntry_ = TxtHidID->text();
    txtMark->setText(MSHFlexGrid1->textMatrix(row, col));
    widgets::placeOverCell(txtMark, *MSHFlexGrid1, row, col, widgets::twips(50));
    txtMark->show();
    txtMark->raise();
    txtMark->setFocus();
}

void Form3::timesKeyReleased() {
    const int row = MSHFlexGrid1->currentGridRow();
    if (txtMark->text().isEmpty() || row < 1 || MSHFlexGrid1->currentGridCol() != timesColumn) {
        return;
    }
    const QString stored = MSHFlexGrid1->textMatrix(row, timesColumn);
    // A key that changed nothing (a refused letter, an arrow, the point after "5") has nothing
    // to store.
    if (sameNumber(txtMark->text(), stored)) {
        return;
    }
    app::Messages& messages = switcher_.messages();
    if (!messages.ask(QStringLiteral(
            "Are you sure you want to update the Number of time of the selected exercise"))) {
        txtMark->setText(stored);
        return;
    }
    if (!widgets::checkNumbers({txtMark})) {
        txtMark->setText(stored);
        return;
    }
    app::guarded(messages, [this] {
        store::Database& db = this->db();
        if (db.select(statements::entryByKey(TxtHidID->text())).recordCount() == 1) {
            db.execute(statements::updateEntryTimes(TxtHidID->text(), user(), txtMark->text()));
        }
        RefreshData();
    });
}

bool Form3::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ChkNoExercise && event->type() == QEvent::FocusIn) {
        boxChange_ = BoxChange::User;
    } else if (watched == txtMark && event->type() == QEvent::KeyRelease &&
               !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
        timesKeyReleased();
    }
    return QWidget::eventFilter(watched, event);
}

void Form3::buildControls() {
    const auto label = [](const char* name, const char* caption, QWidget* parent) {
        auto* created = new QLabel(QString::fromUtf8(caption), parent);
        created->setObjectName(QLatin1String(name));
        return created;
    };
    const auto display = [](const char* name, QWidget* parent) {
        auto* field = new QLineEdit(QStringLiteral("0"), parent);
        field->setObjectName(QLatin1String(name));
        field->setReadOnly(true);
        return field;
    };

    Label10 = label("Label10", "Date :", this);
    Label10->setGeometry(width() - 40 - 140 - 56, 68, 52, 26);
    Label10->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    DTPicker1 = new widgets::DatePicker(QStringLiteral("DTPicker1"), this);
    DTPicker1->setGeometry(width() - 40 - 140, 68, 140, 26);

    ChkNoExercise = new QCheckBox(QStringLiteral("No Workout Today"), this);
    ChkNoExercise->setObjectName(QStringLiteral("ChkNoExercise"));
    ChkNoExercise->setGeometry(40, 96, 220, 24);

    Frame2 = new QGroupBox(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setGeometry(40, 124, 720, 316);

    const auto list = [&](const char* captionName, const char* caption, const char* name,
                          int left) {
        QLabel* captionLabel = label(captionName, caption, Frame2);
        captionLabel->setGeometry(left, 10, 216, 22);
        auto* created = new widgets::ItemList(QLatin1String(name), Frame2);
        created->setGeometry(left, 32, 216, 88);
        return std::pair{captionLabel, created};
    };
    std::tie(Label3, ListLight) = list("Label3", "Light [1] :", "ListLight", 16);
    std::tie(Label7, ListModerate) = list("Label7", "Moderate [3] :", "ListModerate", 252);
    std::tie(Label9, ListDifficult) = list("Label9", "Difficult [5] :", "ListDifficult", 488);

    app::Messages& messages = switcher_.messages();
    Label2 = label("Label2", "No. of Times :", Frame2);
    Label2->setGeometry(16, 134, 100, 26);
    TxtCount = new widgets::NumericField(QStringLiteral("TxtCount"), QStringLiteral("Count"),
                                         messages.refusal(), Frame2);
    TxtCount->setText(QStringLiteral("1"));
    TxtCount->setGeometry(116, 134, 72, 26);
    CmdUp = new QPushButton(QStringLiteral("/\\"), Frame2);
    CmdUp->setObjectName(QStringLiteral("CmdUp"));
    CmdUp->setGeometry(192, 128, 32, 19);
    CmdDown = new QPushButton(QStringLiteral("\\/"), Frame2);
    CmdDown->setObjectName(QStringLiteral("CmdDown"));
    CmdDown->setGeometry(192, 147, 32, 19);
    LblOK = new widgets::CommandLabel(QStringLiteral("LblOK"), QStringLiteral("&SUBMIT"),
                                      QStringLiteral("Shape10"), Frame2);
    LblOK->setGeometry(240, 133, 96, 28);
    TxtHidID = new QLineEdit(Frame2);
    TxtHidID->setObjectName(QStringLiteral("TxtHidID"));
    TxtHidID->setEnabled(false);
    TxtHidID->setGeometry(352, 134, 72, 26);
    TxtHidID->setAccessibleName(widgets::pickedRowKeyName);

    MSHFlexGrid1 = new widgets::Grid(QStringLiteral("MSHFlexGrid1"), Frame2);
    MSHFlexGrid1->setGeometry(16, 172, 688, 132);
    MSHFlexGrid1->setFormatString(gridFormat);

    txtMark = new widgets::NumericField(QStringLiteral("txtMark"), QStringLiteral("Times"),
                                        messages.refusal(), Frame2);
    QPalette tip = txtMark->palette();
    tip.setColor(QPalette::Base, tip.color(QPalette::ToolTipBase));
    tip.setColor(QPalette::Text, tip.color(QPalette::ToolTipText));
    txtMark->setPalette(tip);
    txtMark->setGeometry(440, 134, 72, MSHFlexGrid1->verticalHeader()->defaultSectionSize());
    txtMark->hide();
    txtMark->installEventFilter(this);

    Frame1 = new QGroupBox(QStringLiteral("Total Scores : "), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(40, 446, 720, 84);
    const auto points = [&](const char* captionName, const char* caption, const char* name,
                            int left, int top) {
        auto* captionLabel = label(captionName, caption, Frame1);
        captionLabel->setGeometry(left, top, 90, 26);
        captionLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QLineEdit* field = display(name, Frame1);
        field->setGeometry(left + 96, top, 96, 26);
        return std::pair{captionLabel, field};
    };
    std::tie(Label11, TxtLight) = points("Label11", "Light :", "TxtLight", 16, 20);
    std::tie(Label12, TxtModerate) = points("Label12", "Moderate :", "TxtModerate", 252, 20);
    std::tie(Label14, TxtDifficult) = points("Label14", "Difficult :", "TxtDifficult", 488, 20);
    std::tie(Label15, TxtTotal) = points("Label15", "Total :", "TxtTotal", 488, 50);

    widgets::nameByCaption(Label10, DTPicker1);
    widgets::nameByCaption(Label3, ListLight);
    widgets::nameByCaption(Label7, ListModerate);
    widgets::nameByCaption(Label9, ListDifficult);
    widgets::nameByCaption(Label2, TxtCount);
    widgets::nameByCaption(Label11, TxtLight);
    widgets::nameByCaption(Label12, TxtModerate);
    widgets::nameByCaption(Label14, TxtDifficult);
    widgets::nameByCaption(Label15, TxtTotal);
    // The arrows on the buttons say nothing when read out.
    CmdUp->setAccessibleName(QStringLiteral("Up"));
    CmdDown->setAccessibleName(QStringLiteral("Down"));
    // The editor of "Times" stands over the grid and is reached from it.
    txtMark->setAccessibleName(MSHFlexGrid1->textMatrix(0, timesColumn));
    frame_.setReadingOrder({frame_.CmdHelp, DTPicker1, ChkNoExercise, ListLight, ListModerate,
                            ListDifficult, TxtCount, CmdUp, CmdDown, LblOK, MSHFlexGrid1, txtMark,
                            TxtLight, TxtModerate, TxtDifficult, TxtTotal});

    widgets::HoverReset::install(this, frame_.bar->labels())->add({LblOK});

    for (widgets::ItemList* exercises : {ListLight, ListModerate, ListDifficult}) {
        connect(exercises, &widgets::ItemList::picked, this,
                [this, exercises](int row) { chooseExercise(exercises, row); });
    }
    connect(CmdUp, &QPushButton::clicked, this,
            [this] { TxtCount->setText(countUp(TxtCount->text())); });
    connect(CmdDown, &QPushButton::clicked, this,
            [this] { TxtCount->setText(countDown(TxtCount->text())); });
    connect(LblOK, &widgets::CommandLabel::clicked, this, &Form3::submit);
    ChkNoExercise->installEventFilter(this);
    connect(ChkNoExercise, &QCheckBox::toggled, this, &Form3::restDayBoxToggled);
    connect(MSHFlexGrid1, &widgets::Grid::clicked, this, &Form3::pickEntry);
    // The click before a double-click has picked the row.
    connect(MSHFlexGrid1, &widgets::Grid::doubleClicked, this, &Form3::removeEntry);
    connect(MSHFlexGrid1, &widgets::Grid::enterCell, this, &Form3::enterCell);
    connect(DTPicker1, &widgets::DatePicker::closeUp, this,
            [this] { app::guarded(switcher_.messages(), [this] { RefreshData(); }); });
}

}  // namespace mirtal::exercise
