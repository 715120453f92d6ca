#include "web/modtellafriend.h"

namespace amorisk::modTellAFriend {

web::ReferralValues &values()
{
    static web::ReferralValues held;
    return held;
}

void SendReferral() {}

} // namespace amorisk::modTellAFriend
