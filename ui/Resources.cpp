#include "Resources.h"

#include <QtGlobal>

static void InitHelpResource() {
    Q_INIT_RESOURCE(help);
}

namespace kmr::ui {

void EnsureResources() {
    static const bool done = (InitHelpResource(), true);
    (void)done;
}

}  // namespace kmr::ui
