#include "web/referral.h"

namespace amorisk::web {
QString stripSpaces(const QString &text) { return text; }
QString submitProblem(const QString &, const QString &) { return {}; }
QString referralProblem(const ReferralValues &) { return {}; }
QString referralAddress(const ReferralValues &) { return {}; }
} // namespace amorisk::web
