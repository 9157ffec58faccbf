#include "app/Form8.h"

#include <QLabel>
#include <QPlainTextEdit>

#include "widgets/Twips.h"

namespace mirtal::app {

using widgets::twips;

Form8::Form8(QWidget* parent)
    : QWidget(parent), Label1(new QLabel(this)), Text1(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral(" Help      [ *** Resizable Help Window *** ]"));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    Label1->setObjectName(QStringLiteral("Label1"));
    QFont title(QStringLiteral("Arial"));
    title.setBold(true);
    title.setPointSize(11);
    Label1->setFont(title);
    Label1->setGeometry(twips(120), twips(120), twips(7800), twips(360));

    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setFont(QFont(QStringLiteral("Verdana"), 9));
    Text1->move(twips(120), twips(600));
    // The text is read out under the window's title.
    Label1->setBuddy(Text1);

    // Below this the text area would get a negative size.
    setMinimumSize(twips(250) + twips(1500), twips(900) + twips(600));
    resize(twips(8220), twips(2595));
}

void Form8::showText(const QString& title, const QString& text) {
    Label1->setText(title);
    Text1->setPlainText(text);
}

void Form8::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Text1->resize(width() - twips(250), height() - twips(900));
}

}  // namespace mirtal::app
