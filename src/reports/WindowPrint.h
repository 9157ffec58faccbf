#pragma once

class QPrinter;
class QWidget;

namespace mirtal::app {
class Messages;
}

namespace mirtal::reports {

// Prints the window's picture on one page, as large as the page allows; false when the
// printer cannot be opened or the page cannot be finished.
bool printWindowImage(QWidget* window, QPrinter& printer);

// The window printed at once on the default printer, with no dialog. On a machine without a
// printer the same page goes into a PDF file in the user's documents folder, named by the date
// and time and never over another file, and a message says where; a failure says so too.
void printWindow(QWidget* window, app::Messages& messages);

}  // namespace mirtal::reports
