#pragma once

#include <QString>

namespace mirtal::app {

// Every message box of the program goes through this one service, so that tests can answer
// them and read what was shown. Information and refusals have an OK button; questions have
// Yes and No and act only on Yes.
class Messages {
  public:
    enum class Icon { None, Information, Critical };

    static inline const QString defaultTitle = QStringLiteral("Mirtal");

    virtual ~Messages() = default;

    virtual void inform(const QString& text, const QString& title = defaultTitle,
                        Icon icon = Icon::None) = 0;
    // True when the answer is Yes.
    virtual bool ask(const QString& text, const QString& title = defaultTitle) = 0;
};

// The program's message boxes: real QMessageBoxes over the active window.
class DialogMessages final : public Messages {
  public:
    void inform(const QString& text, const QString& title, Icon icon) override;
    bool ask(const QString& text, const QString& title) override;
};

}  // namespace mirtal::app
