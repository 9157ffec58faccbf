#pragma once

#include <QList>
#include <QUrl>

#include "app/Links.h"
#include "app/Messages.h"

namespace mirtal::harness {

// Message boxes that show nothing and answer No: a run that nobody watches never waits on a
// person.
class SilentMessages final : public app::Messages {
  public:
    void inform(const QString&, const QString&, Icon) override {}
    bool ask(const QString&, const QString&) override { return false; }
};

// Links that open nothing: each page asked for is kept in `opened`, in order.
class RecordingLinks final : public app::LinkOpener {
  public:
    void open(const QUrl& url) override { opened << url; }

    QList<QUrl> opened;
};

}  // namespace mirtal::harness
