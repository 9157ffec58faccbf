#include "progress/EntryRows.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/DataWindowFrame.h"
#include "app/EditCommands.h"
#include "app/EditFlow.h"
#include "widgets/AccessibleNames.h"
#include "widgets/Grid.h"
#include "widgets/HoverReset.h"
#include "widgets/NavigationBar.h"
#include "widgets/NumericField.h"

namespace mirtal::progress {

namespace {

// The rows start at the window's left margin below the user's name.
const int left = 40, firstRowTop = 84, rowStep = 40, rowHeight = 28, firstFieldWidth = 130;
// Between a caption and its field, and between the first field of a row and the next caption.
const int captionGap = 4, columnGap = 32;
// The grid and the commands start below the two rows.
const int gridTop = 172, commandStep = 38;

}  // namespace

EntryRows::EntryRows(QWidget* window, int captionWidth, int secondFieldWidth)
    : window_(window), captionWidth_(captionWidth), secondFieldWidth_(secondFieldWidth) {}

QLabel* EntryRows::addCaption(const char* name, const char* text) {
    const int column = placed_ % 2;
    const int top = firstRowTop + placed_ / 2 * rowStep;
    const int x = left + column * (captionWidth_ + captionGap + firstFieldWidth + columnGap);
    auto* caption = new QLabel(QLatin1String(text), window_);
    caption->setObjectName(QLatin1String(name));
    caption->setGeometry(x, top, captionWidth_, rowHeight);
    return caption;
}

void EntryRows::place(QLabel* caption, QWidget* field) {
    const int width = placed_ % 2 == 0 ? firstFieldWidth : secondFieldWidth_;
    field->setGeometry(caption->x() + captionWidth_ + captionGap, caption->y(), width, rowHeight);
    widgets::nameByCaption(caption, field);
    ++placed_;
}

void MeasureControls::build(EntryRows& rows, app::DataWindowFrame& frame,
                            const char* weightCaptionName, const QList<QWidget*>& firstRow,
                            const app::EditHandlers& handlers,
                            const std::function<void(const QString&)>& refuse) {
    std::tie(pulseCaption, pulse) = rows.add<widgets::NumericField>(
        "Label2", "Pulse:", QStringLiteral("TxtPulse"), QStringLiteral("Pulse"), refuse);
    std::tie(weightCaption, weight) =
        rows.add<widgets::NumericField>(weightCaptionName, "Weight:", QStringLiteral("TxtWeight"),
                                        QStringLiteral("Weight"), refuse);

    QWidget* window = pulse->parentWidget();
    key = new QLineEdit(window);
    key->setObjectName(QStringLiteral("TxtHidID"));
    key->setReadOnly(true);

    // The commands stand in one column under Help, the grid at their left.
    const int rightColumn = frame.CmdHelp->x();
    grid = new widgets::Grid(QStringLiteral("MSHFlexGrid1"), window);
    grid->setGeometry(left, gridTop, rightColumn - 64, frame.barTop() - 20 - gridTop);
    const auto commands =
        app::EditCommands::build(window, QPoint(rightColumn, gridTop), commandStep);
    add = commands.add;
    edit = commands.edit;
    remove = commands.remove;
    clear = commands.clear;

    frame.setReadingOrder(QList<QWidget*>{frame.CmdHelp} + firstRow +
                          QList<QWidget*>{pulse, weight, grid, add, edit, remove, clear});
    widgets::HoverReset::install(window, frame.bar->labels())->add(commands.all());
    app::connectEdits(commands, *grid, window, handlers);
}

bool measuresReady(app::Messages& messages, bool fieldEmpty, const QString& emptyRefusal,
                   const QLineEdit* pickedKey, widgets::NumericField* pulse,
                   widgets::NumericField* weight) {
    return app::readyToWrite(messages,
                             {.fieldEmpty = fieldEmpty,
                              .emptyRefusal = emptyRefusal,
                              .pickedKey = pickedKey,
                              .nothingPicked = QStringLiteral("You need to select the data."),
                              .numbers = {pulse, weight}});
}

}  // namespace mirtal::progress
