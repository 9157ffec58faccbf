#include "app/MDIForm1.h"

#include <QAction>
#include <QFileInfo>
#include <QMdiArea>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QToolBar>
#include <algorithm>
#include <vector>

#include "app/PlatformSettings.h"
#include "app/Resources.h"
#include "app/WindowSwitcher.h"
#include "app/WindowTable.h"

namespace mirtal::app {

MDIForm1::MDIForm1(WindowSwitcher& switcher)
    : Toolbar1(new QToolBar(this)),
      Command1(new QPushButton(QStringLiteral("Workout Guide"))),
      switcher_(switcher),
      area_(new QMdiArea(this)) {
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(QStringLiteral("Mirtal 1.02"));
    setWindowIcon(resourcePicture(QStringLiteral(":/mirtal.png")));
    setAttribute(Qt::WA_DeleteOnClose);
    area_->setObjectName(QStringLiteral("MDIClient"));
    area_->setBackground(QColor(128, 128, 255));
    // A data window that reaches past a small main window can still be scrolled to.
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(area_);
    buildMenu();
    buildToolbar();
    keepRoomForMenuAndToolbar();
    resize(1000, 720);

    SetDateSeparator();
    SetTimeFormat();
}

void MDIForm1::buildMenu() {
    const auto menu = [this](QMenu* parent, const char* name, const QString& caption) {
        QMenu* m = parent ? parent->addMenu(caption) : menuBar()->addMenu(caption);
        m->setObjectName(QLatin1String(name));
        m->menuAction()->setObjectName(QLatin1String(name));
        return m;
    };
    const auto item = [this](QMenu* parent, const char* name, const QString& caption,
                             const QKeySequence& shortcut, auto action) {
        QAction* a = parent->addAction(caption);
        a->setObjectName(QLatin1String(name));
        a->setShortcut(shortcut);
        connect(a, &QAction::triggered, this, action);
        return a;
    };
    const auto open = [this](WindowId window) {
        return [this, window] { switcher_.openWindow(window); };
    };

    QMenu* view = menu(nullptr, "mnu_File", QStringLiteral("&View Form"));
    item(view, "Mnu_UserSelect", QStringLiteral("&User"), QKeySequence(Qt::CTRL | Qt::Key_U),
         [this] { switcher_.openUserWindowFromMenu(); });
    QMenu* exercise = menu(view, "Mnu_Ex", QStringLiteral("&Exercise"));
    item(exercise, "Mnu_SetExercise", QStringLiteral("&Add Exercise"),
         QKeySequence(Qt::CTRL | Qt::Key_H), open(WindowId::ExerciseCatalogue));
    item(exercise, "Mnu_Exercise", QStringLiteral("&Daily Exercise"), QKeySequence(),
         open(WindowId::DailyExercise));
    QMenu* pulseWeight = menu(view, "Mnu_PW", QStringLiteral("&Pulse/Weight"));
    item(pulseWeight, "Mnu_TPW", QStringLiteral("&Target Values"), QKeySequence(),
         open(WindowId::TargetValues));
    item(pulseWeight, "Mnu_PulseWeight", QStringLiteral("&Progress Log"),
         QKeySequence(Qt::CTRL | Qt::Key_R), open(WindowId::ProgressLog));
    item(view, "Mnu_Meal", QStringLiteral("Meal Evaluation"), QKeySequence(),
         open(WindowId::MealEvaluation));
    QMenu* reports = menu(nullptr, "Mnu_R", QStringLiteral("Reports"));
    item(reports, "Mnu_Report", QStringLiteral("&Show Report"), QKeySequence(),
         open(WindowId::Reports));
    QMenu* help = menu(nullptr, "Mnu_Help", QStringLiteral("&Help"));
    item(help, "Mnu_Manual", QStringLiteral("&One Page Manual"),
         QKeySequence(Qt::CTRL | Qt::Key_F1), [this] { showManual(); });
    QMenu* exit = menu(nullptr, "Mnu_Exit", QStringLiteral("&Exit"));
    item(exit, "Quit", QStringLiteral("Quit"), QKeySequence(), [this] { switcher_.quit(); });
}

void MDIForm1::buildToolbar() {
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    Toolbar1->setIconSize(QSize(32, 32));
    addToolBar(Qt::TopToolBarArea, Toolbar1);
    std::vector<WindowRow> buttons(windowTable().begin(), windowTable().end());
    std::ranges::sort(buttons, {}, &WindowRow::toolbarKey);
    for (const WindowRow& row : buttons) {
        const QString k(QLatin1Char(row.toolbarKey));
        QAction* button =
            Toolbar1->addAction(resourcePicture(QStringLiteral(":/toolbar/%1.png").arg(k)),
                                QLatin1String(row.toolbarCaption));
        button->setObjectName(k);
        button->setData(k);
        connect(button, &QAction::triggered, this, [this, k] { toolbarButtonClicked(k); });
    }
    Toolbar1->addSeparator();
    Command1->setObjectName(QStringLiteral("Command1"));
    Toolbar1->addWidget(Command1);
    connect(Command1, &QPushButton::clicked, this, [this] {
        switcher_.links().open(
            sitePage(switcher_.applicationDirectory(), QStringLiteral("/wguide.html")));
    });
}

void MDIForm1::keepRoomForMenuAndToolbar() {
    // Narrower, the toolbar would fold its buttons into a menu and the menu bar its menus;
    // lower, the client area would have no room to show a window's title bar between its
    // scroll bars.
    const int width = std::max(menuBar()->sizeHint().width(), Toolbar1->sizeHint().width());
    const int clientHeight = style()->pixelMetric(QStyle::PM_TitleBarHeight) +
                             2 * style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    setMinimumSize(width,
                   menuBar()->sizeHint().height() + Toolbar1->sizeHint().height() + clientHeight);
}

void MDIForm1::toolbarButtonClicked(const QString& key) {
    for (const WindowRow& row : windowTable()) {
        if (key == QLatin1Char(row.toolbarKey)) {
            switcher_.openWindow(row.id);
            return;
        }
    }
}

void MDIForm1::showManual() {
    const QUrl manual =
        sitePage(switcher_.applicationDirectory(), QStringLiteral("/MirtalHelp.html"));
    if (!QFileInfo::exists(manual.toLocalFile())) {
        switcher_.messages().inform(
            QStringLiteral("The manual cannot be shown: %1 is missing.").arg(manual.toLocalFile()));
        return;
    }
    switcher_.links().open(manual);
}

}  // namespace mirtal::app
