#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

namespace mirtal::app {

// Opens the product's web pages in the user's browser. The pages ship in the "site" folder
// beside the program; tests replace the opener to see which page was asked for.
class LinkOpener {
  public:
    virtual ~LinkOpener() = default;
    virtual void open(const QUrl& url) = 0;
};

class Messages;

// Opens a page with the desktop's browser. A page that is missing, or that no program could be
// started to show, is reported in a message box that names the page and the cause.
class DesktopLinkOpener final : public LinkOpener {
  public:
    explicit DesktopLinkOpener(Messages& messages) : messages_(messages) {}
    ~DesktopLinkOpener() override;
    void open(const QUrl& url) override;

  private:
    // Runs xdg-open and reports its failure once it has tried every program it knows.
    void openWithXdgOpen(const QString& xdgOpen, const QUrl& url, const QString& page);
    void tellCannotShow(const QString& page);

    Messages& messages_;
    // The xdg-open runs still going; they outlive no opener.
    QObject runs_;
};

// The page of the web site with the given path ("/wguide.html"); the front page for "/".
QUrl sitePage(const QString& applicationDirectory, const QString& path);

}  // namespace mirtal::app
