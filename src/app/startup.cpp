#include "startup.h"

#include "forms.h"
#include "frmmain.h"
#include "modhelp.h"
#include "services.h"
#include "singleinstance.h"

namespace amorisk {

bool startUp(SingleInstance &instance)
{
    if (!instance.acquire()) {
        showMessage(QStringLiteral("Application is already running"));
        EndApplication();
        return false;
    }
    seedRandomFromClock();
    // The reminder's question comes before any window, so the input window
    // appears only once it has been answered.
    RemindOfUpdate();
    FrmMain *main = Forms::load<FrmMain>();
    main->show();
    main->CoBrand_Randomize();
    return true;
}

} // namespace amorisk
