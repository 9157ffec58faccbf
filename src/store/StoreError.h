#pragma once

#include <QString>
#include <stdexcept>

namespace mirtal::store {

// Every failure of the store carries a description meant for the person at the keyboard:
// windows show it in a message box as it stands.
class StoreError : public std::runtime_error {
  public:
    explicit StoreError(const QString& description)
        : std::runtime_error(description.toStdString()), description_(description) {}

    const QString& description() const { return description_; }

  private:
    QString description_;
};

}  // namespace mirtal::store
