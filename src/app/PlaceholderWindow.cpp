#include "app/PlaceholderWindow.h"

#include <QLabel>
#include <QPushButton>

#include "app/Border.h"
#include "app/CurrentUser.h"
#include "app/HelpTexts.h"
#include "app/StoreGuard.h"
#include "app/WindowSwitcher.h"
#include "widgets/Colours.h"
#include "widgets/HoverReset.h"
#include "widgets/NavigationBar.h"

namespace mirtal::app {

namespace {

const char* const formNames[] = {"",      "Form1", "Form2", "Form3",
                                 "Form4", "Form5", "Form6", "frmReportMeal"};
const char* const captions[] = {"",
                                "1. frm User",
                                "3. frm Add Exercise",
                                "4. frm Daily Exercise",
                                "6. Frm Progress Log",
                                "5. frm Meal Evaluation",
                                "2. Frm Target Values",
                                "7. frm Reports"};

}  // namespace

PlaceholderWindow::PlaceholderWindow(WindowSwitcher& switcher, int windowNumber)
    : LabelUser(new QLabel(this)), CmdHelp(new QPushButton(QStringLiteral("Help"), this)) {
    setObjectName(QLatin1String(formNames[windowNumber]));
    setWindowTitle(QLatin1String(captions[windowNumber]));
    setAutoFillBackground(true);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, widgets::colours::lightGrey);
    setPalette(grey);
    resize(720, 460);
    addBorderPictures(this);
    LayoutBorder(this);

    LabelUser->setObjectName(QStringLiteral("LabelUser"));
    LabelUser->setGeometry(40, 36, 300, 24);
    guarded(switcher.messages(),
            [&] { showCurrentUser(switcher.session(), switcher.messages(), LabelUser); });

    auto* bar = new widgets::NavigationBar(
        this, windowNumber, [&switcher](int number) { switcher.openWindow(number); },
        [&switcher, windowNumber] { switcher.closeWindow(windowNumber); });
    bar->moveTo(QPoint(40, height() - 40 - bar->size().height()));
    widgets::HoverReset::install(this, bar->labels());

    auto* note = new QLabel(QStringLiteral("This window is on its way."), this);
    note->setObjectName(QStringLiteral("LabelPlaceholder"));
    note->setGeometry(40, 80, 400, 24);

    CmdHelp->setObjectName(QStringLiteral("CmdHelp"));
    CmdHelp->setGeometry(width() - 40 - 96, 34, 96, 28);
    connect(CmdHelp, &QPushButton::clicked, this, [&switcher, windowNumber] {
        const HelpText help = helpText(windowNumber);
        switcher.showHelp(help.title, help.text);
    });
}

}  // namespace mirtal::app
