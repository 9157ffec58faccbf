#include "meals/CalculationPanel.h"

#include <QLabel>
#include <QLineEdit>

#include "meals/MealTotals.h"
#include "widgets/AccessibleNames.h"

namespace mirtal::meals {

namespace {

const int rowHeight = 26;
const int captionWidth = 64;
const int fieldWidth = 64;

}  // namespace

CalculationPanel::CalculationPanel(QWidget* parent)
    : QGroupBox(QStringLiteral("*****"), parent),
      Label18(new QLabel(QStringLiteral("Meal Calculation"), this)) {
    setObjectName(QStringLiteral("Frame3"));
    setFixedSize(312, 134);
    Label18->setObjectName(QStringLiteral("Label18"));
    QFont bold = Label18->font();
    bold.setBold(true);
    Label18->setFont(bold);
    Label18->setGeometry(12, 18, 288, 24);

    const int top = 46;
    const int step = rowHeight + 2;
    TxtBonus = addField("TxtBonus", QStringLiteral("Bonus:"), 12, top);
    TxtMeal = addField("TxtMeal", QStringLiteral("Meal:"), 12, top + step);
    TxtDayTotal = addField("TxtDayTotal", QStringLiteral("Total:"), 12, top + 2 * step);
    TxtSnacking = addField("TxtSnacking", QStringLiteral("Snacking:"), 164, top);
    TxtWater = addField("TxtWater", QStringLiteral("Water:"), 164, top + step);
}

QLineEdit* CalculationPanel::addField(const char* name, const QString& caption, int left, int top) {
    auto* label = new QLabel(caption, this);
    label->setGeometry(left, top, captionWidth, rowHeight);
    auto* field = new QLineEdit(this);
    field->setObjectName(QLatin1String(name));
    field->setReadOnly(true);
    field->setGeometry(left + captionWidth + 4, top, fieldWidth, rowHeight);
    widgets::nameByCaption(label, field);
    return field;
}

QList<QWidget*> CalculationPanel::readingOrder() const {
    return {TxtBonus, TxtSnacking, TxtMeal, TxtWater, TxtDayTotal};
}

void CalculationPanel::showPoints(const MealTotals& totals, const QString& snacking,
                                  const QString& water) {
    TxtBonus->setText(pointsText(totals.bonus()));
    TxtMeal->setText(pointsText(totals.meal()));
    TxtDayTotal->setText(pointsText(totals.dayTotal()));
    TxtSnacking->setText(snacking);
    TxtWater->setText(water);
}

}  // namespace mirtal::meals
