#include "app/DataWindowFrame.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <algorithm>

#include "app/Border.h"
#include "app/CurrentUser.h"
#include "app/HelpTexts.h"
#include "app/NavigationLabels.h"
#include "app/StoreGuard.h"
#include "app/WindowSwitcher.h"
#include "widgets/Colours.h"
#include "widgets/CommandLabel.h"
#include "widgets/Grid.h"
#include "widgets/NavigationBar.h"
#include "widgets/ReadingOrder.h"

namespace mirtal::app {

namespace {

// Room between the border pictures and the controls.
const int margin = 40;

}  // namespace

DataWindowFrame::DataWindowFrame(QWidget* window, WindowSwitcher& switcher, WindowId id, QSize size)
    : Label1(new QLabel(QStringLiteral("User Name"), window)),
      LabelUser(new QLabel(window)),
      CmdHelp(new QPushButton(QStringLiteral("Help"), window)),
      switcher_(switcher),
      caption_(QLatin1String(windowRow(id).caption)) {
    nameWindow(window, id);
    window->setAutoFillBackground(true);
    QPalette grey = window->palette();
    grey.setColor(QPalette::Window, widgets::colours::lightGrey);
    window->setPalette(grey);
    bar = new widgets::NavigationBar(
        window, navigationLabels(
                    id, [&switcher](WindowId other) { switcher.openWindow(other); },
                    [&switcher, id] { switcher.closeWindow(id); }));
    // However the fonts come out, the whole bar fits in the window.
    size.setWidth(std::max(size.width(), bar->size().width() + 2 * margin));
    bar->moveTo(QPoint(margin, size.height() - margin - bar->size().height()));
    window->setFixedSize(size);
    addBorderPictures(window);
    LayoutBorder(window);

    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(margin, 34, 80, 28);
    LabelUser->setObjectName(QStringLiteral("LabelUser"));
    LabelUser->setGeometry(margin + 84, 34, 300, 28);
    QFont bold = LabelUser->font();
    bold.setBold(true);
    LabelUser->setFont(bold);

    CmdHelp->setObjectName(QStringLiteral("CmdHelp"));
    CmdHelp->setGeometry(size.width() - margin - 96, 34, 96, 28);
    QObject::connect(CmdHelp, &QPushButton::clicked, window, [&switcher, id] {
        const HelpText help = helpText(id);
        switcher.showHelp(help.title, help.text);
    });
}

void DataWindowFrame::loadCurrentUser() {
    guarded(switcher_.messages(),
            [this] { showCurrentUser(switcher_.session(), switcher_.messages(), LabelUser); });
}

int DataWindowFrame::barTop() const {
    return LabelUser->parentWidget()->height() - margin - bar->size().height();
}

void DataWindowFrame::setReadingOrder(const QList<QWidget*>& controls) {
    QList<QWidget*> order = controls;
    for (widgets::CommandLabel* label : bar->labels()) {
        order << label;
    }
    widgets::setReadingOrder(order);
    // The caption without its number and form prefix: "6. Frm Progress Log" -> "Progress Log".
    static const QRegularExpression prefix(QStringLiteral("^\\d+\\.\\s*frm\\s+"),
                                           QRegularExpression::CaseInsensitiveOption);
    const QString subject = QString(caption_).remove(prefix);
    QWidget* first = nullptr;
    for (QWidget* control : controls) {
        if (qobject_cast<widgets::Grid*>(control) && control->accessibleName().isEmpty()) {
            control->setAccessibleName(subject);
        }
        if (!first && control != CmdHelp) {
            first = control;
        }
    }
    if (first) {
        first->setFocus();
    }
}

}  // namespace mirtal::app
