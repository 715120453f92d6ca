#pragma once

#include "referral.h"

namespace amorisk::modTellAFriend {

// The five values of the referral form, written by the exit screen at every
// press of its referral button.
web::ReferralValues &values();

// Checks the values and, when they pass, opens the referral page.
void SendReferral();

} // namespace amorisk::modTellAFriend
