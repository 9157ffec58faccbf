#pragma once

class QPagedPaintDevice;
class QString;
class QWidget;

namespace mirtal::app {
class Messages;
}

namespace mirtal::reports {

// Draws the window on one page of `page` (a printer or a PDF), as wide as the page allows and
// in its own proportions. The widgets draw themselves into the page, so text stays text and
// lines stay sharp at any size; the focus frame, which only marks where typing goes, is left
// out. False when the page cannot be opened or finished.
bool printWindowOn(QWidget* window, QPagedPaintDevice& page);

// The window printed at once on the default printer, with no dialog, under `title`. On a
// machine without a printer the same page goes into a PDF file titled `title` in the user's
// documents folder, named by the date and time and never over another file, readable by its
// owner alone and whole or not there at all; a message says where, and a failure says so too.
void printWindow(QWidget* window, const QString& title, app::Messages& messages);

}  // namespace mirtal::reports
