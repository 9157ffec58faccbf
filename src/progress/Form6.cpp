#include "progress/Form6.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/Clock.h"
#include "app/EditCommands.h"
#include "app/EditFlow.h"
#include "app/StoreGuard.h"
#include "app/WindowSwitcher.h"
#include "progress/EntryRows.h"
#include "progress/ProgressStatements.h"
#include "store/KeyAllocator.h"
#include "widgets/AccessibleNames.h"
#include "widgets/DatePicker.h"
#include "widgets/Grid.h"
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
    app::reloadGrid(*MSHFlexGrid1, gridHeader, db().select(statements::targetsOfUser(user())));
}

void Form6::ClearData() {
    TxtHidID->clear();
    TxtPulse->clear();
    TxtWeight->clear();
}

QString Form6::user() const {
    return switcher_.session().userIdText();
}

store::Database& Form6::db() {
    return switcher_.session().db();
}

bool Form6::fieldsAreEmpty() const {
    return TxtWeight->text().isEmpty() || TxtPulse->text().isEmpty();
}

void Form6::submit() {
    if (!measuresReady(switcher_.messages(), fieldsAreEmpty(),
                       QStringLiteral("Unable to submit. Please check the empty field/s."), nullptr,
                       TxtPulse, TxtWeight)) {
        return;
    }
    app::Messages& messages = switcher_.messages();
    app::guarded(messages, [&] {
        const qint64 key = store::nextKey(db(), statements::lastTargetKey());
        // One row of goals per user: a second one is refused and the first is to be updated.
        if (db().select(statements::targetKeyOfUser(user())).recordCount() != 0) {
            messages.inform(
                QStringLiteral("Please select data in table, make changes and click UPDATE."));
        } else {
            db().execute(statements::insertTarget(key, user(), DTPicker1->date(), DTPicker2->date(),
                                                  TxtPulse->text(), TxtWeight->text()));
        }
        RefreshData();
    });
}

void Form6::update() {
    if (!measuresReady(switcher_.messages(), fieldsAreEmpty(),
                       QStringLiteral("Please Select data in table."), TxtHidID, TxtPulse,
                       TxtWeight)) {
        return;
    }
    const auto write = [this] {
        db().execute(statements::updateTarget(TxtHidID->text(), user(), DTPicker1->date(),
                                              DTPicker2->date(), TxtPulse->text(),
                                              TxtWeight->text()));
    };
    app::updatePicked(switcher_.messages(),
                      {.write = write, .afterwards = [this] { RefreshData(); }});
}

void Form6::remove() {
    const auto deleteTarget = [this](const QString& key) {
        db().execute(statements::deleteTarget(key, user()));
    };
    app::removePicked(switcher_.messages(), *TxtHidID,
                      {.deleteRow = deleteTarget, .afterwards = [this] {
                           ClearData();
                           RefreshData();
                       }});
}

void Form6::pickRow() {
    app::pickRow(switcher_.messages(), switcher_.session(), statements::anyTargetOfUser(user()),
                 *MSHFlexGrid1, *TxtHidID,
                 {{2, DTPicker1}, {3, DTPicker2}, {4, TxtPulse}, {5, TxtWeight}});
}

void Form6::buildControls() {
    EntryRows rows(this, 84, 130);
    std::tie(Label3, DTPicker1) =
        rows.add<widgets::DatePicker>("Label3", "StartDate:", QStringLiteral("DTPicker1"));
    std::tie(Label10, DTPicker2) =
        rows.add<widgets::DatePicker>("Label10", "TargetDate:", QStringLiteral("DTPicker2"));
    const app::EditHandlers handlers{.submit = [this] { submit(); },
                                     .update = [this] { update(); },
                                     .remove = [this] { remove(); },
                                     .clear = [this] { ClearData(); },
                                     .pick = [this] { pickRow(); }};
    MeasureControls{Label2,       TxtPulse, lblDescription, TxtWeight, TxtHidID,
                    MSHFlexGrid1, LblAdd,   LblEdit,        LblDelete, LblClear}
        .build(rows, frame_, "lblDescription", {DTPicker1, DTPicker2}, handlers,
               switcher_.messages().refusal());
    // The key of the picked row shows under Help, where Tab passes it by.
    TxtHidID->setFocusPolicy(Qt::NoFocus);
    TxtHidID->setGeometry(frame_.CmdHelp->x(), 124, 96, 28);
    TxtHidID->setAccessibleName(widgets::pickedRowKeyName);
    // The picked cell keeps its colour: this grid has no leave-cell handling.
    MSHFlexGrid1->setRestoreColourOnLeave(false);
}

}  // namespace mirtal::progress
