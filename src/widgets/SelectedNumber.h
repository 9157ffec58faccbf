#pragma once

#include <QObject>
#include <functional>

namespace mirtal::widgets {

// The key filter of the numeric entry fields. It judges the keys that type a character: a digit,
// "." and backspace pass; any other character, Enter and Escape included, is swallowed and
// "Valied Numbers Only" is shown. Keys that type nothing (Tab, the arrows, Delete) and
// Ctrl or Alt combinations (copy, paste, access keys) are left alone. Several "." are let
// through: a malformed number is refused later, by the window, before it builds a statement.
class SelectedNumber : public QObject {
    Q_OBJECT
  public:
    static inline const QString refusal = QStringLiteral("Valied Numbers Only");

    // Shows a refusal to the person; the window hands in its message service.
    using Refuse = std::function<void(const QString& message)>;

    // Filters the keys of field; lives as long as the field.
    static SelectedNumber* install(QObject* field, Refuse refuse);

    // Whether the typed character may go into a numeric field.
    static bool passes(QChar typed);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    SelectedNumber(QObject* field, Refuse refuse);

    Refuse refuse_;
};

}  // namespace mirtal::widgets
