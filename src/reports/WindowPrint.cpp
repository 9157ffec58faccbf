#include "reports/WindowPrint.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QWidget>
#include <optional>

#include "app/Messages.h"

namespace mirtal::reports {

namespace {

// A new, empty file in the documents folder whose name holds the date and time, with a
// number added when that name is taken; created here so that nothing else can take it
// before the page is written into it. Nothing when the folder cannot hold it.
std::optional<QString> reservePdfFile() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder)) {
        return std::nullopt;
    }
    const QString stem = QDir(folder).filePath(
        QStringLiteral("Mirtal report ") +
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH-mm-ss")));
    for (int number = 1; number < 1000; ++number) {
        const QString path = number == 1 ? stem + QStringLiteral(".pdf")
                                         : stem + QStringLiteral(" (%1).pdf").arg(number);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            return path;
        }
        if (!file.exists()) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

void saveAsPdf(QWidget* window, app::Messages& messages) {
    const std::optional<QString> path = reservePdfFile();
    if (!path) {
        messages.inform(QStringLiteral(
            "There is no printer, and the report could not be saved in your documents folder."));
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(*path);
    if (!printWindowImage(window, printer)) {
        QFile::remove(*path);
        messages.inform(
            QStringLiteral("There is no printer, and the report could not be saved as ") +
            QDir::toNativeSeparators(*path) + QStringLiteral("."));
        return;
    }
    messages.inform(QStringLiteral("There is no printer, so the report was saved as ") +
                    QDir::toNativeSeparators(*path) + QStringLiteral("."));
}

}  // namespace

bool printWindowImage(QWidget* window, QPrinter& printer) {
    const QPixmap image = window->grab();
    if (image.width() > image.height()) {
        printer.setPageOrientation(QPageLayout::Landscape);
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    const QRect page = painter.viewport();
    const QSize size = image.size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.drawPixmap(QRect(page.topLeft(), size), image);
    return painter.end();
}

void printWindow(QWidget* window, app::Messages& messages) {
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (defaultPrinter.isNull()) {
        saveAsPdf(window, messages);
        return;
    }
    QPrinter printer(defaultPrinter, QPrinter::HighResolution);
    if (!printWindowImage(window, printer)) {
        messages.inform(QStringLiteral("The report could not be printed on ") +
                        defaultPrinter.printerName() + QStringLiteral("."));
    }
}

}  // namespace mirtal::reports
