#include "progress/Form6.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/Clock.h"
#include "app/StoreGuard.h"
#include "app/WindowSwitcher.h"
#include "store/DateText.h"
#include "store/KeyAllocator.h"
#include "widgets/AccessibleNames.h"
#include "widgets/CommandLabel.h"
#include "widgets/DatePicker.h"
#include "widgets/Grid.h"
#include "widgets/HoverReset.h"
#include "widgets/NavigationBar.h"
#include "widgets/NumericField.h"

namespace mirtal::progress {

namespace {

const QString gridHeader = QStringLiteral("|ID|StartDate     |TargetDate  |Pulse |Weight ");

}  // namespace

Form6::Form6(app::WindowSwitcher& switcher)
    : switcher_(switcher), frame_(this, switcher, app::WindowId::TargetValues, QSize(660, 470)) {
    buildControls();

    // Load.
    const QDate today = app::Clock::today();
    DTPicker1->setDate(today);
    DTPicker2->setDate(today);
    frame_.loadCurrentUser();
    app::guarded(switcher_.messages(), [this] { RefreshData(); });
}

void Form6::RefreshData() {
    MSHFlexGrid1->setRows(1);
    MSHFlexGrid1->setFormatString(gridHeader);
    const store::ResultSet rs = switcher_.session().db().select(
        QStringLiteral("  Select TPWID, Format(StartDate,'yyyy/MM/dd'), "
                       "format(TargetDate,'yyyy/MM/dd'), Pulse, Weight From PulseWeightTarget "
                       "Where UserID=") +
        switcher_.session().userIdText());
    if (rs.recordCount() > 0) {
        MSHFlexGrid1->showRows(rs);
        MSHFlexGrid1->setColWidth(1, 0);
    }
}

void Form6::ClearData() {
    TxtHidID->clear();
    TxtPulse->clear();
    TxtWeight->clear();
}

bool Form6::fieldsAreEmpty() const {
    return TxtWeight->text().isEmpty() || TxtPulse->text().isEmpty();
}

void Form6::submit() {
    app::Messages& messages = switcher_.messages();
    if (fieldsAreEmpty()) {
        messages.inform(QStringLiteral("Unable to submit. Please check the empty field/s."));
        return;
    }
    if (!widgets::checkNumbers({TxtPulse, TxtWeight})) {
        return;
    }
    app::guarded(messages, [&] {
        store::Session& session = switcher_.session();
        store::Database& db = session.db();
        const qint64 key =
            store::nextKey(db, QStringLiteral("  Select Max(TPWID) From PulseWeightTarget"));
        const store::ResultSet existing =
            db.select(QStringLiteral("  Select TPWID From PulseWeightTarget Where UserID=") +
                      session.userIdText());
        if (existing.recordCount() != 0) {
            messages.inform(
                QStringLiteral("Please select data in table, make changes and click UPDATE."));
        } else {
            db.execute(QStringLiteral("Insert Into PulseWeightTarget Values(") +
                       QStringLiteral(" ") + QString::number(key) + QStringLiteral(", ") +
                       session.userIdText() + QStringLiteral(", '") +
                       store::DateText::shortDate(DTPicker1->date()) + QStringLiteral("', '") +
                       store::DateText::shortDate(DTPicker2->date()) + QStringLiteral("', ") +
                       TxtPulse->text() + QStringLiteral(", ") + TxtWeight->text() +
                       QStringLiteral(")"));
        }
        RefreshData();
    });
}

void Form6::update() {
    app::Messages& messages = switcher_.messages();
    if (fieldsAreEmpty()) {
        messages.inform(QStringLiteral("Please Select data in table."));
        return;
    }
    if (TxtHidID->text().isEmpty()) {
        messages.inform(QStringLiteral("You need to select the data."));
        return;
    }
    if (!widgets::checkNumbers({TxtPulse, TxtWeight})) {
        return;
    }
    app::guarded(messages, [&] {
        store::Session& session = switcher_.session();
        if (messages.ask(QStringLiteral("Confirm update?"))) {
            session.db().execute(
                QStringLiteral(" Update PulseWeightTarget Set") + QStringLiteral(" StartDate=#") +
                store::DateText::dayText(DTPicker1->date()) + QStringLiteral("#, TargetDate=#") +
                store::DateText::dayText(DTPicker2->date()) + QStringLiteral("#, Pulse=") +
                TxtPulse->text() + QStringLiteral(", Weight=") + TxtWeight->text() +
                QStringLiteral(" Where TPWID=") + TxtHidID->text() +
                QStringLiteral(" And UserID=") + session.userIdText());
        }
        RefreshData();
    });
}

void Form6::remove() {
    app::Messages& messages = switcher_.messages();
    if (TxtHidID->text().isEmpty()) {
        messages.inform(QStringLiteral("No data found in this field."));
        return;
    }
    if (!messages.ask(QStringLiteral("Confirm removal?"))) {
        return;
    }
    app::guarded(messages, [this] {
        store::Session& session = switcher_.session();
        session.db().execute(QStringLiteral("Delete From PulseWeightTarget Where TPWID=") +
                             TxtHidID->text() + QStringLiteral(" And UserID=") +
                             session.userIdText());
        ClearData();
        RefreshData();
    });
}

void Form6::pickRow() {
    app::guarded(switcher_.messages(), [this] {
        store::Session& session = switcher_.session();
        const store::ResultSet rs = session.db().select(
            QStringLiteral(" Select TPWID from PulseWeightTarget Where UserID=") +
            session.userIdText());
        if (rs.recordCount() > 0) {
            const int row = MSHFlexGrid1->currentGridRow();
            TxtHidID->setText(MSHFlexGrid1->textMatrix(row, 1));
            DTPicker1->setDateText(MSHFlexGrid1->textMatrix(row, 2));
            DTPicker2->setDateText(MSHFlexGrid1->textMatrix(row, 3));
            TxtPulse->setText(MSHFlexGrid1->textMatrix(row, 4));
            TxtWeight->setText(MSHFlexGrid1->textMatrix(row, 5));
        }
    });
}

void Form6::buildControls() {
    Label1 = frame_.Label1;
    LabelUser = frame_.LabelUser;
    CmdHelp = frame_.CmdHelp;
    // The commands stand in one column under Help.
    const int rightColumn = CmdHelp->x();

    const auto caption = [this](const char* name, const char* text, int x, int y) {
        auto* label = new QLabel(QLatin1String(text), this);
        label->setObjectName(QLatin1String(name));
        label->setGeometry(x, y, 84, 28);
        return label;
    };
    Label3 = caption("Label3", "StartDate:", 40, 84);
    DTPicker1 = new widgets::DatePicker(QStringLiteral("DTPicker1"), this);
    DTPicker1->setGeometry(128, 84, 130, 28);
    Label10 = caption("Label10", "TargetDate:", 290, 84);
    DTPicker2 = new widgets::DatePicker(QStringLiteral("DTPicker2"), this);
    DTPicker2->setGeometry(378, 84, 130, 28);

    const auto refuse = switcher_.messages().refusal();
    Label2 = caption("Label2", "Pulse:", 40, 124);
    TxtPulse = new widgets::NumericField(QStringLiteral("TxtPulse"), QStringLiteral("Pulse"),
                                         refuse, this);
    TxtPulse->setGeometry(128, 124, 130, 28);
    lblDescription = caption("lblDescription", "Weight:", 290, 124);
    TxtWeight = new widgets::NumericField(QStringLiteral("TxtWeight"), QStringLiteral("Weight"),
                                          refuse, this);
    TxtWeight->setGeometry(378, 124, 130, 28);

    TxtHidID = new QLineEdit(this);
    TxtHidID->setObjectName(QStringLiteral("TxtHidID"));
    TxtHidID->setReadOnly(true);
    TxtHidID->setFocusPolicy(Qt::NoFocus);
    TxtHidID->setGeometry(rightColumn, 124, 96, 28);
    TxtHidID->setAccessibleName(widgets::pickedRowKeyName);

    MSHFlexGrid1 = new widgets::Grid(QStringLiteral("MSHFlexGrid1"), this);
    MSHFlexGrid1->setGeometry(40, 172, rightColumn - 64, frame_.barTop() - 20 - 172);
    // The picked cell keeps its colour: this grid has no leave-cell handling.
    MSHFlexGrid1->setRestoreColourOnLeave(false);

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

    widgets::nameByCaption(Label3, DTPicker1);
    widgets::nameByCaption(Label10, DTPicker2);
    widgets::nameByCaption(Label2, TxtPulse);
    widgets::nameByCaption(lblDescription, TxtWeight);
    frame_.setReadingOrder({CmdHelp, DTPicker1, DTPicker2, TxtPulse, TxtWeight, MSHFlexGrid1,
                            LblAdd, LblEdit, LblDelete, LblClear});

    widgets::HoverReset::install(this, frame_.bar->labels())
        ->add({LblAdd, LblEdit, LblDelete, LblClear});

    connect(LblAdd, &widgets::CommandLabel::clicked, this, &Form6::submit);
    connect(LblEdit, &widgets::CommandLabel::clicked, this, &Form6::update);
    connect(LblDelete, &widgets::CommandLabel::clicked, this, &Form6::remove);
    connect(LblClear, &widgets::CommandLabel::clicked, this, &Form6::ClearData);
    connect(MSHFlexGrid1, &widgets::Grid::clicked, this, &Form6::pickRow);
    connect(MSHFlexGrid1, &widgets::Grid::doubleClicked, this, &Form6::remove);
}

}  // namespace mirtal::progress
