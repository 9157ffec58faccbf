#include "reports/WindowPrint.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QGraphicsView>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegion>
#include <QSaveFile>
#include <QStandardPaths>
#include <QWidget>
#include <algorithm>
#include <optional>
#include <utility>

#include "app/Messages.h"

namespace mirtal::reports {

namespace {

// The report holds the user's health data: nobody but its owner reads it.
constexpr QFileDevice::Permissions ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

const QString creator = QStringLiteral("Mirtal");

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
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly, ownerOnly)) {
            return path;
        }
        if (!file.exists()) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

// The page is written beside the reserved file and takes its place only when it is whole.
bool writePdf(QWidget* window, const QString& title, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !file.setPermissions(ownerOnly)) {
        return false;
    }
    QPdfWriter pdf(&file);
    pdf.setTitle(title);
    pdf.setCreator(creator);
    pdf.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    if (!printWindowOn(window, pdf) || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void saveAsPdf(QWidget* window, const QString& title, app::Messages& messages) {
    const std::optional<QString> path = reservePdfFile();
    if (!path) {
        messages.inform(QStringLiteral(
            "There is no printer, and the report could not be saved in your documents folder."));
        return;
    }
    if (!writePdf(window, title, *path)) {
        QFile::remove(*path);
        messages.inform(
            QStringLiteral("There is no printer, and the report could not be saved as ") +
            QDir::toNativeSeparators(*path) + QStringLiteral("."));
        return;
    }
    messages.inform(QStringLiteral("There is no printer, so the report was saved as ") +
                    QDir::toNativeSeparators(*path) + QStringLiteral("."));
}

// The focus frame shows where typing goes on the screen and means nothing on paper: the
// control that has the focus gives it up while the window is drawn and gets it back after.
class FocusSetAside {
  public:
    explicit FocusSetAside(QWidget* window) {
        QWidget* focused = window->focusWidget();
        if (focused && focused->hasFocus()) {
            focused_ = focused;
            focused->clearFocus();
        }
    }
    ~FocusSetAside() {
        if (focused_) {
            focused_->setFocus(Qt::OtherFocusReason);
        }
    }
    FocusSetAside(const FocusSetAside&) = delete;
    FocusSetAside& operator=(const FocusSetAside&) = delete;

  private:
    QPointer<QWidget> focused_;
};

// The window's drawing, recorded as the widgets paint themselves. Rendered into a printer
// directly, Qt would paint the widgets into a picture of pixels first; replayed from a
// recording, text and lines reach the printer as they do a PDF.
QPicture drawingOf(QWidget* window) {
    const FocusSetAside focus(window);
    // A graphics view (the chart) draws its scene afresh: painted as a widget outside the
    // screen, the chart's legend would lose its markers and all but its first entry.
    QRegion widgets(window->rect());
    QList<std::pair<QGraphicsView*, QRect>> views;
    for (QGraphicsView* view : window->findChildren<QGraphicsView*>()) {
        if (view->isVisibleTo(window)) {
            const QRect place(view->viewport()->mapTo(window, QPoint()), view->viewport()->size());
            widgets -= place;
            views.append({view, place});
        }
    }
    QPicture drawing;
    QPainter painter(&drawing);
    window->render(&painter, QPoint(), widgets);
    for (const auto& [view, place] : views) {
        view->render(&painter, place, view->viewport()->rect());
    }
    painter.end();
    return drawing;
}

}  // namespace

bool printWindowOn(QWidget* window, QPagedPaintDevice& page) {
    const QSize size = window->size();
    if (size.width() > size.height()) {
        page.setPageOrientation(QPageLayout::Landscape);
    }
    QPainter painter;
    if (!painter.begin(&page)) {
        return false;
    }
    // The page's width, unless the window is taller than the page's own proportions.
    const QRect area = painter.viewport();
    const double scale = std::min(static_cast<double>(area.width()) / size.width(),
                                  static_cast<double>(area.height()) / size.height());
    const QPicture drawing = drawingOf(window);
    // A recording plays at its own size in inches, which the page's resolution gives it.
    painter.translate(area.topLeft());
    painter.scale(scale * drawing.logicalDpiX() / page.logicalDpiX(),
                  scale * drawing.logicalDpiY() / page.logicalDpiY());
    painter.drawPicture(0, 0, drawing);
    return painter.end();
}

void printWindow(QWidget* window, const QString& title, app::Messages& messages) {
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (defaultPrinter.isNull()) {
        saveAsPdf(window, title, messages);
        return;
    }
    QPrinter printer(defaultPrinter, QPrinter::HighResolution);
    printer.setDocName(title);
    printer.setCreator(creator);
    if (!printWindowOn(window, printer)) {
        messages.inform(QStringLiteral("The report could not be printed on ") +
                        defaultPrinter.printerName() + QStringLiteral("."));
    }
}

}  // namespace mirtal::reports
