#pragma once

#include <QList>
#include <QString>

#include "app/Messages.h"

namespace mirtal::testing {

// Stands in for the message boxes: records every box and answers questions from a script
// (No when the script has run out).
class ScriptedMessages final : public app::Messages {
  public:
    struct Shown {
        QString text;
        QString title;
        Icon icon = Icon::None;
        bool question = false;
    };

    void inform(const QString& text, const QString& title, Icon icon) override {
        shown.append({text, title, icon, false});
    }
    bool ask(const QString& text, const QString& title) override {
        shown.append({text, title, Icon::None, true});
        return !answers.isEmpty() && answers.takeFirst();
    }

    QStringList texts() const {
        QStringList result;
        for (const Shown& s : shown) {
            result << s.text;
        }
        return result;
    }

    QList<Shown> shown;
    QList<bool> answers;  // true answers Yes
};

}  // namespace mirtal::testing
