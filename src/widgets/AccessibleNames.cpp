#include "widgets/AccessibleNames.h"

#include <QLabel>

namespace mirtal::widgets {

QString spokenCaption(const QString& caption) {
    QString spoken;
    spoken.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        // "&&" stands for an "&" that is shown; a single "&" only marks the access key.
        if (caption[i] == u'&' && i + 1 < caption.size()) {
            ++i;
        }
        spoken += caption[i];
    }
    spoken = spoken.trimmed();
    if (spoken.endsWith(u':')) {
        spoken.chop(1);
    }
    return spoken.trimmed();
}

void nameByCaption(QLabel* caption, QWidget* field) {
    caption->setBuddy(field);
    field->setAccessibleName(spokenCaption(caption->text()));
}

void nameForScreenReaders(std::initializer_list<std::pair<QWidget*, QString>> names) {
    for (const auto& [control, name] : names) {
        control->setAccessibleName(name);
    }
}

}  // namespace mirtal::widgets
