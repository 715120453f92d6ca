#include "startup.h"

#include "forms.h"
#include "frmmain.h"
#include "modhelp.h"
#include "raiserequest.h"
#include "services.h"
#include "singleinstance.h"

namespace amorisk {

bool startUp(SingleInstance &instance, RaiseChannel *raise)
{
    if (!instance.acquire()) {
        showMessage(QStringLiteral("Application is already running"));
        // Once the refusal is answered, the program that runs comes forward.
        if (raise)
            raise->request();
        EndApplication();
        return false;
    }
    // Before the reminder's question, so that a start meanwhile brings the question forward.
    if (raise)
        raise->listen();
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
