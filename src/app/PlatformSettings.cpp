#include "app/PlatformSettings.h"

#include "store/DateText.h"

namespace mirtal::app {

void SetDateSeparator() {
    store::DateText::setDateSeparator(QStringLiteral("/"));
}

void SetTimeFormat() {
    store::DateText::setTimeFormat(QStringLiteral("HH:mm:ss"));
}

}  // namespace mirtal::app
