#include "widgets/NavigationBar.h"

#include <QFontMetrics>
#include <QWidget>

#include "widgets/CommandLabel.h"
#include "widgets/Twips.h"

namespace mirtal::widgets {

namespace {

struct BarEntry {
    const char* name;
    const char* caption;
    int target;  // 0: close the window that carries the bar
};

constexpr BarEntry barEntries[] = {
    {"LblUser", "&USER", 1},
    {"LblProfile", "&START", 0},
    {"LblAddExercise", "&ADD EXCERCISE", 2},
    {"LblExercise", "&DAILY EXCERCISE", 3},
    {"LblDailyInput", "&PROGRESS LOG", 4},
    {"LblMeal", "&MEAL EVALUATION", 5},
    {"LblReport", "&REPORT", 7},
};

const int labelHeight = twips(300);
const int captionMargin = twips(120);
const int labelGap = twips(60);

}  // namespace

NavigationBar::NavigationBar(QWidget* window, int ownWindow, Open open, CloseOwn closeOwn)
    : QObject(window), open_(std::move(open)), closeOwn_(std::move(closeOwn)) {
    setObjectName(QStringLiteral("NavigationBar"));
    for (const BarEntry& entry : barEntries) {
        if (entry.target == ownWindow) {
            continue;
        }
        const QString shapeName = QStringLiteral("Shape%1").arg(labels_.size() + 1);
        auto* label = new CommandLabel(QString::fromLatin1(entry.name),
                                       QString::fromLatin1(entry.caption), shapeName, window);
        const int target = entry.target;
        // The handler works on copies: opening a window or closing this one unloads the window
        // and with it this bar, while the handler still runs.
        connect(label, &CommandLabel::clicked, this, [this, target] {
            if (target == 0) {
                const CloseOwn closeOwn = closeOwn_;
                closeOwn();
            } else {
                const Open open = open_;
                open(target);
            }
        });
        labels_.append(label);
    }
    moveTo(QPoint(0, 0));
}

void NavigationBar::moveTo(QPoint topLeft) {
    int left = topLeft.x();
    for (CommandLabel* label : labels_) {
        const QString caption = QString(label->text()).remove(u'&');
        const int width = label->fontMetrics().horizontalAdvance(caption) + 2 * captionMargin;
        label->setGeometry(left, topLeft.y(), width, labelHeight);
        left += width + labelGap;
    }
}

QSize NavigationBar::size() const {
    if (labels_.isEmpty()) {
        return QSize();
    }
    const QRect row = labels_.first()->geometry().united(labels_.last()->geometry());
    return row.size();
}

}  // namespace mirtal::widgets
