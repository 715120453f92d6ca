#include "app/startup.h"

#include "app/forms.h"
#include "app/raiserequest.h"
#include "app/services.h"
#include "app/singleinstance.h"
#include "ui/frmmain.h"
#include "web/modhelp.h"

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
    FrmMain *main = Forms::frmMain();
    main->show();
    main->CoBrand_Randomize();
    return true;
}

} // namespace amorisk
