#include "widgets/NavigationBar.h"

#include <QFontMetrics>
#include <QWidget>

#include "widgets/CommandLabel.h"
#include "widgets/Twips.h"

namespace mirtal::widgets {

namespace {

const int labelHeight = twips(300);
const int captionMargin = twips(120);
const int labelGap = twips(60);

}  // namespace

NavigationBar::NavigationBar(QWidget* window, const QList<Entry>& entries) : QObject(window) {
    setObjectName(QStringLiteral("NavigationBar"));
    for (const Entry& entry : entries) {
        const QString shapeName = QStringLiteral("Shape%1").arg(labels_.size() + 1);
        auto* label = new CommandLabel(entry.name, entry.caption, shapeName, window);
        // The handler works on a copy: the action may unload the window and with it this bar,
        // while the handler still runs.
        connect(label, &CommandLabel::clicked, this, [action = entry.action] {
            const std::function<void()> run = action;
            run();
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
