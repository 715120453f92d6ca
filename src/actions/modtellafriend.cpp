#include "modtellafriend.h"

#include "modhelp.h"
#include "services.h"

namespace amorisk::modTellAFriend {

web::ReferralValues &values()
{
    static web::ReferralValues held;
    return held;
}

void SendReferral()
{
    const QString problem = web::referralProblem(values());
    if (!problem.isEmpty()) {
        showMessage(problem, MessageIcon::Critical);
        return;
    }
    OpenWebPage(web::referralAddress(values()));
}

} // namespace amorisk::modTellAFriend
