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

// The most UTF-16 units a referral box takes. Encoded, one unit is at most
// nine characters (a three-byte character; a surrogate pair is twelve for
// two units, a paragraph break six), so five full boxes and the rest of the
// address stay under 50,000 characters, well within the 128 KiB that Linux
// allows one argument of the program that opens the address.
inline constexpr int maxBoxLength = 1000;

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
