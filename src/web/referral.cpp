#include "referral.h"

#include "pages.h"

#include <QUrl>

namespace amorisk::web {

namespace {

// Each typed value is a query parameter of its own: anything but the unreserved
// characters is escaped, so "&", "=", "#", "%", "+", spaces and line breaks
// in a value cannot end it early or change its meaning.
QString encoded(const QString &value)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

bool isUnset(const QString &value, QLatin1String placeholder)
{
    const QString stripped = stripSpaces(value);
    return stripped.isEmpty() || stripped == placeholder;
}

} // namespace

QString stripSpaces(const QString &text)
{
    const QChar space(QLatin1Char(' '));
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == space)
        ++begin;
    while (end > begin && text.at(end - 1) == space)
        --end;
    return text.mid(begin, end - begin);
}

QString submitProblem(const QString &email, const QString &friendEmail)
{
    if (email == friendEmail)
        return QStringLiteral("Please Enter Distinct Email Addresses");
    if (!email.contains(QLatin1Char('@')) || !friendEmail.contains(QLatin1Char('@')))
        return QStringLiteral("Please Enter Proper Email Address");
    if (!email.contains(QLatin1Char('.')) || !friendEmail.contains(QLatin1Char('.')))
        return QStringLiteral("Please Enter Proper Email Address");
    return {};
}

QString referralProblem(const ReferralValues &values)
{
    if (isUnset(values.name, QLatin1String("Your Name")))
        return QStringLiteral("Please Enter Your Name");
    if (isUnset(values.email, QLatin1String("Your Email Address")))
        return QStringLiteral("Please Enter Your Email");
    if (isUnset(values.message, QLatin1String("Your Message")))
        return QStringLiteral("Please Enter Your Message");
    if (isUnset(values.friendName, QLatin1String("Friend's Name")))
        return QStringLiteral("Please Enter Your Friend's Name");
    if (isUnset(values.friendEmail, QLatin1String("Friend's Email Address")))
        return QStringLiteral("Please Enter Your Friend's Email");
    return {};
}

QString referralAddress(const ReferralValues &values)
{
    return pageAddress(QLatin1String(PageKey::ReferAFriend))       //
            + QLatin1String("&taf1=") + encoded(values.name)       //
            + QLatin1String("&taf2=") + encoded(values.email)      //
            + QLatin1String("&taf3=") + encoded(values.message)    //
            + QLatin1String("&taf4=") + encoded(values.friendName) //
            + QLatin1String("&taf5=")
            + encoded(values.friendEmail) //
            // Our own address, not something typed: it goes in as written.
            + QLatin1String("&taf6=") + productFolderAddress();
}

} // namespace amorisk::web
