#include "ui/resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initAmoriskResources()
{
    Q_INIT_RESOURCE(amorisk);
}

namespace amorisk {

void initResources()
{
    static const bool done = (initAmoriskResources(), true);
    Q_UNUSED(done);
}

} // namespace amorisk
