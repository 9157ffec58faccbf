#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace mirtal::app {

// Every message box of the program goes through this one service, so that tests can answer
// them and read what was shown. Information and refusals have an OK button; questions have
// Yes and No and act only on Yes.
class Messages {
  public:
    enum class Icon { None, Information, Exclamation, Critical };

    static inline const QString defaultTitle = QStringLiteral("Mirtal");

    virtual ~Messages() = default;

    virtual void inform(const QString& text, const QString& title = defaultTitle,
                        Icon icon = Icon::None) = 0;
    // True when the answer is Yes.
    virtual bool ask(const QString& text, const QString& title = defaultTitle) = 0;

    // Which window a box belongs to, asked as each box opens; boxes that are not drawn have no
    // place, so by default nothing is kept.
    virtual void setOwner(std::function<QWidget*()>) {}

    // The service as a function that shows a refusal with an OK button, for the shared controls
    // that know nothing of it.
    std::function<void(const QString&)> refusal() {
        return [this](const QString& text) { inform(text); };
    }
};

// The program's message boxes: real QMessageBoxes, each centred on the window it belongs to
// and kept on that window's screen.
class DialogMessages final : public Messages {
  public:
    // The active window until an owner is set; no window centres the box on the screen.
    void setOwner(std::function<QWidget*()> owner) override { owner_ = std::move(owner); }

    void inform(const QString& text, const QString& title, Icon icon) override;
    bool ask(const QString& text, const QString& title) override;

  private:
    QWidget* owner() const;

    std::function<QWidget*()> owner_;
};

}  // namespace mirtal::app
