#pragma once

#include <QString>

namespace amorisk::web {

struct ReferralValues
{
    QString name;
    QString email;
    QString message;
    QString friendName;
    QString friendEmail;
};

// Removes the space character (and only it) from both ends.
QString stripSpaces(const QString &text);

// The address checks of the referral button on already stripped addresses:
// distinct, then an "@" in each, then a "." in each. Empty when they pass.
QString submitProblem(const QString &email, const QString &friendEmail);

// The checks before a referral is sent; empty when it may be sent.
QString referralProblem(const ReferralValues &values);

// The referral page address with the five values and the product folder,
// each percent-encoded as UTF-8.
QString referralAddress(const ReferralValues &values);

} // namespace amorisk::web
