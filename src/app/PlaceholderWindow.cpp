#include "app/PlaceholderWindow.h"

#include <QLabel>

#include "app/DataWindowFrame.h"
#include "widgets/HoverReset.h"
#include "widgets/NavigationBar.h"

namespace mirtal::app {

namespace {

const char* const captions[] = {"",
                                "1. frm User",
                                "3. frm Add Exercise",
                                "4. frm Daily Exercise",
                                "6. Frm Progress Log",
                                "5. frm Meal Evaluation",
                                "2. Frm Target Values",
                                "7. frm Reports"};

}  // namespace

PlaceholderWindow::PlaceholderWindow(WindowSwitcher& switcher, int windowNumber) {
    DataWindowFrame frame(this, switcher, windowNumber, QLatin1String(captions[windowNumber]),
                          QSize(720, 460));
    LabelUser = frame.LabelUser;
    CmdHelp = frame.CmdHelp;
    frame.loadCurrentUser();
    widgets::HoverReset::install(this, frame.bar->labels());

    auto* note = new QLabel(QStringLiteral("This window is on its way."), this);
    note->setObjectName(QStringLiteral("LabelPlaceholder"));
    note->setGeometry(40, 80, 400, 24);
}

}  // namespace mirtal::app
