#include "progress/Form4.h"

#include <QLabel>
#include <QLineEdit>

#include "app/Clock.h"
#include "app/EditCommands.h"
#include "app/EditFlow.h"
#include "app/StoreGuard.h"
#include "app/WindowSwitcher.h"
#include "progress/EntryRows.h"
#include "progress/ProgressStatements.h"
#include "store/KeyAllocator.h"
#include "widgets/ChoiceList.h"
#include "widgets/CommandLabel.h"
#include "widgets/DatePicker.h"
#include "widgets/Grid.h"
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
    app::reloadGrid(*MSHFlexGrid1, gridFormat,
                    db().select(statements::progressEntriesOfUser(user())));
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
    for (store::ResultSet rs = db().select(statements::moraleChoices()); !rs.eof(); rs.moveNext()) {
        CmbMorale->addItem(rs.field(u"MealName").toString());
    }
}

bool Form4::fieldsAreEmpty() const {
    return TxtPulse->text().isEmpty() || CmbMorale->text().isEmpty() || TxtWeight->text().isEmpty();
}

void Form4::submit() {
    if (!measuresReady(switcher_.messages(), fieldsAreEmpty(),
                       QStringLiteral("Unable to submit. Please check the empty field/s."), nullptr,
                       TxtPulse, TxtWeight)) {
        return;
    }
    app::Messages& messages = switcher_.messages();
    app::guarded(messages, [&] {
        const QDate day = DTPicker1->date();
        if (app::refuseTakenDay(messages, db(), statements::progressEntryOfDay(user(), day),
                                oneEntryPerDay)) {
            return;
        }
        const qint64 key = store::nextKey(db(), statements::lastProgressKey());
        db().execute(statements::insertProgressEntry(key, user(), day, TxtPulse->text(),
                                                     TxtWeight->text(), CmbMorale->text()));
        RefreshData();
    });
}

void Form4::update() {
    if (!measuresReady(switcher_.messages(), fieldsAreEmpty(),
                       QStringLiteral("Unable to update. Please check the empty field/s."),
                       TxtHidID, TxtPulse, TxtWeight)) {
        return;
    }
    const auto refused = [this] {
        // Moving an entry onto a day that holds another would leave two entries for one day.
        return app::refuseDayOfAnotherEntry(
            switcher_.messages(), db(), statements::progressKeysOfDay(user(), DTPicker1->date()),
            TxtHidID->text(), oneEntryPerDay);
    };
    const auto write = [this] {
        db().execute(statements::updateProgressEntry(TxtHidID->text(), user(), DTPicker1->date(),
                                                     TxtPulse->text(), TxtWeight->text(),
                                                     CmbMorale->text()));
    };
    app::updatePicked(switcher_.messages(), {refused, write, [this] { RefreshData(); }});
}

void Form4::remove() {
    app::removePicked(switcher_.messages(), *TxtHidID,
                      {.deleteRow =
                           [this](const QString& key) {
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
    EntryRows rows(this, 64, 150);
    std::tie(Label10, DTPicker1) =
        rows.add<widgets::DatePicker>("Label10", "Date:", QStringLiteral("DTPicker1"));
    std::tie(Label3, CmbMorale) =
        rows.add<widgets::ChoiceList>("Label3", "Morale:", QStringLiteral("CmbMorale"));
    MeasureControls{Label2,       TxtPulse, Label4,  TxtWeight, TxtHidID,
                    MSHFlexGrid1, LblAdd,   LblEdit, LblDelete, LblClear}
        .build(rows, frame_, "Label4", {DTPicker1, CmbMorale},
               {.submit = [this] { submit(); },
                .update = [this] { update(); },
                .remove = [this] { remove(); },
                .clear = [this] { ClearData(); },
                .pick = [this] { pickRow(); }},
               switcher_.messages().refusal());
    // Holds the key of the picked entry; the person never sees it.
    TxtHidID->hide();

    connect(DTPicker1, &widgets::DatePicker::closeUp, this,
            [this] { app::guarded(switcher_.messages(), [this] { RefreshData(); }); });
}

}  // namespace mirtal::progress
