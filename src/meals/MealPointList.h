#pragma once

#include <QObject>

class QLabel;
class QLineEdit;
class QWidget;

namespace mirtal::app {
class WindowSwitcher;
}

namespace mirtal::widgets {
class ChoiceList;
}

namespace mirtal::meals {

class ScoreLookup;

// A choice list of one SetMealPoint category with its score field. The list is refilled from
// the category's choices, in the order the store gives them, every time it opens; a pick looks
// the choice's score up and shows it in the score field, where the statements take it from.
// The controls are children of the given parent; the owner places them.
class MealPointList : public QObject {
    Q_OBJECT
  public:
    // caption is the list's caption ("Fat Intake :"); listName and scoreName the object names
    // of the list and of its score field.
    MealPointList(int category, const QString& caption, const QString& listName,
                  const QString& scoreName, app::WindowSwitcher& switcher, ScoreLookup& lookup,
                  QWidget* parent);

    int category() const { return category_; }
    QLabel* caption() const { return caption_; }
    widgets::ChoiceList* list() const { return list_; }
    QLabel* scoreCaption() const { return scoreCaption_; }
    QLineEdit* scoreField() const { return scoreField_; }

    // Lays caption, list, "Score :" and the score field out in one row.
    void placeInRow(int left, int top, int captionWidth, int listWidth);
    // Lays caption and list out in one row, "Score :" and the score field below the list.
    void placeInTwoRows(int left, int top, int captionWidth, int listWidth);
    static int rowHeight();

    // Neither a choice nor a score shown.
    void clear();

  private slots:
    void fill();
    void pick(int index);

  private:
    int category_;
    app::WindowSwitcher& switcher_;
    ScoreLookup& lookup_;
    QLabel* caption_;
    widgets::ChoiceList* list_;
    QLabel* scoreCaption_;
    QLineEdit* scoreField_;
};

}  // namespace mirtal::meals
