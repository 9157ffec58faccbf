#include "progress/Form4.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/Clock.h"
#include "app/EditFlow.h"
#include "app/StoreGuard.h"
#include "app/WindowSwitcher.h"
#include "progress/ProgressStatements.h"
#include "store/KeyAllocator.h"
#include "widgets/AccessibleNames.h"
#include "widgets/ChoiceList.h"
#include "widgets/CommandLabel.h"
#include "widgets/DatePicker.h"
#include "widgets/Grid.h"
#include "widgets/HoverReset.h"
#include "widgets/NavigationBar.h"
#include "widgets/NumericField.h"

namespace mirtal::progress {

namespace {

const QString gridFormat =
    QStringLiteral("| ID |Date            |Pulse |Weight |Morale                 ");
const QString oneEntryPerDay = QStringLiteral("Only one entry possible per day.");

}  // namespace

Form4::Form4(app::WindowSwitcher& switcher)
    : switcher_(switcher), frame_(this, switcher, app::WindowId::ProgressLog, QSize(680, 500)) {
    buildControls();

    // Load.
    DTPicker1->setDate(app::Clock::today());
    frame_.loadCurrentUser();
    app::guarded(switcher_.messages(), [this] {
        RefreshData();
        fillMoraleList();
    });
}

void Form4::RefreshData() {
    MSHFlexGrid1->setRows(1);
    MSHFlexGrid1->setFormatString(gridFormat);
    const store::ResultSet rs = db().select(statements::progressEntriesOfUser(user()));
    if (rs.recordCount() > 0) {
        MSHFlexGrid1->showRows(rs);
        MSHFlexGrid1->setColWidth(1, 0);
    }
}

void Form4::ClearData() {
    TxtHidID->clear();
    TxtPulse->clear();
    TxtWeight->clear();
    CmbMorale->setText(QString());
}

QString Form4::user() const {
    return switcher_.session().userIdText();
}

store::Database& Form4::db() {
    return switcher_.session().db();
}

void Form4::fillMoraleList() {
    CmbMorale->clear();
    store::ResultSet rs = db().select(statements::moraleChoices());
    for (; !rs.eof(); rs.moveNext()) {
        CmbMorale->addItem(rs.field(u"MealName").toString());
    }
}

bool Form4::fieldsAreEmpty() const {
    return TxtPulse->text().isEmpty() || CmbMorale->text().isEmpty() || TxtWeight->text().isEmpty();
}

void Form4::submit() {
    app::Messages& messages = switcher_.messages();
    if (fieldsAreEmpty()) {
        messages.inform(QStringLiteral("Unable to submit. Please check the empty field/s."));
        return;
    }
    if (!widgets::checkNumbers({TxtPulse, TxtWeight})) {
        return;
    }
    app::guarded(messages, [&] {
        store::Database& db = this->db();
        if (app::refuseTakenDay(messages, db,
                                statements::progressEntryOfDay(user(), DTPicker1->date()),
                                oneEntryPerDay)) {
            return;
        }
        const qint64 key = store::nextKey(db, statements::lastProgressKey());
        db.execute(statements::insertProgressEntry(key, user(), DTPicker1->date(), TxtPulse->text(),
                                                   TxtWeight->text(), CmbMorale->text()));
        RefreshData();
    });
}

void Form4::update() {
    app::Messages& messages = switcher_.messages();
    if (fieldsAreEmpty()) {
        messages.inform(QStringLiteral("Unable to update. Please check the empty field/s."));
        return;
    }
    if (TxtHidID->text().isEmpty()) {
        messages.inform(QStringLiteral("You need to select the data."));
        return;
    }
    if (!widgets::checkNumbers({TxtPulse, TxtWeight})) {
        return;
    }
    app::updatePicked(messages,
                      {.refused =
                           [&] {
                               // Moving an entry onto a day that holds another would leave two
                               // entries for one day.
                               return app::refuseDayOfAnotherEntry(
                                   messages, db(),
                                   statements::progressKeysOfDay(user(), DTPicker1->date()),
                                   TxtHidID->text(), oneEntryPerDay);
                           },
                       .write =
                           [&] {
                               db().execute(statements::updateProgressEntry(
                                   TxtHidID->text(), user(), DTPicker1->date(), TxtPulse->text(),
                                   TxtWeight->text(), CmbMorale->text()));
                           },
                       .afterwards = [this] { RefreshData(); }});
}

void Form4::remove() {
    app::removePicked(switcher_.messages(), *TxtHidID,
                      {.nothingPicked = {QStringLiteral("No data found in this field.")},
                       .deleteRow =
                           [&](const QString& key) {
                               db().execute(statements::deleteProgressEntry(key, user()));
                           },
                       .afterwards =
                           [this] {
                               ClearData();
                               RefreshData();
                           }});
}

void Form4::pickRow() {
    app::pickRow(switcher_.messages(), switcher_.session(),
                 statements::anyProgressEntryOfUser(user()), *MSHFlexGrid1, *TxtHidID,
                 {{2, DTPicker1}, {3, TxtPulse}, {4, TxtWeight}, {5, CmbMorale}});
}

void Form4::buildControls() {
    Label1 = frame_.Label1;
    LabelUser = frame_.LabelUser;
    CmdHelp = frame_.CmdHelp;
    // The commands stand in one column under Help.
    const int rightColumn = CmdHelp->x();

    const auto caption = [this](const char* name, const char* text, int x, int y) {
        auto* label = new QLabel(QLatin1String(text), this);
        label->setObjectName(QLatin1String(name));
        label->setGeometry(x, y, 64, 28);
        return label;
    };
    Label10 = caption("Label10", "Date:", 40, 84);
    DTPicker1 = new widgets::DatePicker(QStringLiteral("DTPicker1"), this);
    DTPicker1->setGeometry(108, 84, 130, 28);
    Label3 = caption("Label3", "Morale:", 270, 84);
    CmbMorale = new widgets::ChoiceList(QStringLiteral("CmbMorale"), this);
    CmbMorale->setGeometry(338, 84, 150, 28);

    const auto refuse = switcher_.messages().refusal();
    Label2 = caption("Label2", "Pulse:", 40, 124);
    TxtPulse = new widgets::NumericField(QStringLiteral("TxtPulse"), QStringLiteral("Pulse"),
                                         refuse, this);
    TxtPulse->setGeometry(108, 124, 130, 28);
    Label4 = caption("Label4", "Weight:", 270, 124);
    TxtWeight = new widgets::NumericField(QStringLiteral("TxtWeight"), QStringLiteral("Weight"),
                                          refuse, this);
    TxtWeight->setGeometry(338, 124, 150, 28);

    // Holds the key of the picked entry; the person never sees it.
    TxtHidID = new QLineEdit(this);
    TxtHidID->setObjectName(QStringLiteral("TxtHidID"));
    TxtHidID->setReadOnly(true);
    TxtHidID->hide();

    MSHFlexGrid1 = new widgets::Grid(QStringLiteral("MSHFlexGrid1"), this);
    MSHFlexGrid1->setGeometry(40, 172, rightColumn - 64, frame_.barTop() - 20 - 172);

    const auto command = [this, rightColumn](const char* name, const char* text, const char* shape,
                                             int y) {
        auto* label = new widgets::CommandLabel(QLatin1String(name), QLatin1String(text),
                                                QLatin1String(shape), this);
        label->setGeometry(rightColumn, y, 96, 28);
        return label;
    };
    LblAdd = command("LblAdd", "&SUBMIT", "Shape10", 172);
    LblEdit = command("LblEdit", "&UPDATE", "Shape11", 210);
    LblDelete = command("LblDelete", "&REMOVE", "Shape12", 248);
    LblClear = command("LblClear", "&CLEAR", "Shape13", 286);

    widgets::nameByCaption(Label10, DTPicker1);
    widgets::nameByCaption(Label3, CmbMorale);
    widgets::nameByCaption(Label2, TxtPulse);
    widgets::nameByCaption(Label4, TxtWeight);
    frame_.setReadingOrder({CmdHelp, DTPicker1, CmbMorale, TxtPulse, TxtWeight, MSHFlexGrid1,
                            LblAdd, LblEdit, LblDelete, LblClear});

    widgets::HoverReset::install(this, frame_.bar->labels())
        ->add({LblAdd, LblEdit, LblDelete, LblClear});

    connect(DTPicker1, &widgets::DatePicker::closeUp, this,
            [this] { app::guarded(switcher_.messages(), [this] { RefreshData(); }); });
    connect(LblAdd, &widgets::CommandLabel::clicked, this, &Form4::submit);
    connect(LblEdit, &widgets::CommandLabel::clicked, this, &Form4::update);
    connect(LblDelete, &widgets::CommandLabel::clicked, this, &Form4::remove);
    connect(LblClear, &widgets::CommandLabel::clicked, this, &Form4::ClearData);
    connect(MSHFlexGrid1, &widgets::Grid::clicked, this, &Form4::pickRow);
    connect(MSHFlexGrid1, &widgets::Grid::doubleClicked, this, &Form4::remove);
}

}  // namespace mirtal::progress
