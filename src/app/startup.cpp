#include "startup.h"

#include "forms.h"
#include "frmmain.h"
#include "modhelp.h"
#include "services.h"
#include "showreading.h"
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
    FrmMain *main = Forms::frmMain();
    main->show();
    main->CoBrand_Randomize();
    // The first reading's window is built once the user starts on the
    // entries: there are two names to type before a reading can be asked
    // for, and the start itself stays as light as it can be.
    Forms::onFirstInput(main, PrepareNextReading);
    return true;
}

} // namespace amorisk
