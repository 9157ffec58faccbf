#include "app/StoreGuard.h"

#include "store/StoreError.h"

namespace mirtal::app {

bool guarded(Messages& messages, const std::function<void()>& handler) {
    try {
        handler();
        return true;
    } catch (const store::StoreError& error) {
        messages.inform(error.description());
        return false;
    }
}

}  // namespace mirtal::app
