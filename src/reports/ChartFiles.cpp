#include "reports/ChartFiles.h"

#include <QChartView>
#include <QClipboard>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>
#include <QSaveFile>
#include <functional>

namespace mirtal::reports {

namespace {

// Opens the file, lets `write` fill it and puts it in place; the reason of a failure, or
// an empty text.
QString saveThrough(const QString& path, const std::function<bool(QSaveFile&)>& write) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    if (!write(file)) {
        file.cancelWriting();
        return QStringLiteral("the chart could not be drawn into it");
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return {};
}

}  // namespace

QString saveChartAsPng(QChartView* view, const QString& path) {
    const QPixmap picture = view->grab();
    return saveThrough(path, [&](QSaveFile& file) {
        return picture.save(&file, "PNG") && file.error() == QFileDevice::NoError;
    });
}

QString saveChartAsPdf(QChartView* view, const QString& path) {
    return saveThrough(path, [&](QSaveFile& file) {
        QPdfWriter pdf(&file);
        pdf.setTitle(view->chart()->title());
        pdf.setCreator(QStringLiteral("Mirtal"));
        // The page is the chart's size on a screen of 96 dots per inch.
        const QSizeF points = QSizeF(view->size()) * 72.0 / 96.0;
        const bool wide = points.width() > points.height();
        const QSizeF upright = wide ? points.transposed() : points;
        pdf.setPageLayout(
            QPageLayout(QPageSize(upright, QPageSize::Point, QString(), QPageSize::ExactMatch),
                        wide ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF()));
        QPainter painter;
        if (!painter.begin(&pdf)) {
            return false;
        }
        view->render(&painter);
        return painter.end() && file.error() == QFileDevice::NoError;
    });
}

void copyChart(QChartView* view) {
    QGuiApplication::clipboard()->setPixmap(view->grab());
}

}  // namespace mirtal::reports
