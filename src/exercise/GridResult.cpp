#include "exercise/GridResult.h"

#include "store/ResultSet.h"
#include "widgets/Grid.h"

namespace mirtal::exercise {

void showResult(widgets::Grid& grid, const store::ResultSet& rows) {
    store::ResultSet walk = rows;
    QList<QStringList> texts;
    for (; !walk.eof(); walk.moveNext()) {
        QStringList row;
        for (int col = 0; col < walk.fieldCount(); ++col) {
            row << walk.field(col).toString();
        }
        texts << row;
    }
    grid.showRows(rows.columnNames(), texts);
}

}  // namespace mirtal::exercise
