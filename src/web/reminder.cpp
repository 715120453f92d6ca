#include "reminder.h"

namespace amorisk::web {

namespace {

// Whatever cannot be read as a real calendar date counts as nothing stored.
QDate storedDate(const QVariant &stored)
{
    switch (stored.typeId()) {
    case QMetaType::QDate:
        return stored.toDate();
    case QMetaType::QString:
    case QMetaType::QByteArray:
        return QDate::fromString(stored.toString(), QStringLiteral("yyyy-MM-dd"));
    default:
        return {};
    }
}

} // namespace

ReminderDecision reminderDecision(const QDate &today, const QVariant &stored)
{
    // Without a today there is nothing to measure from, and nothing worth storing.
    if (!today.isValid())
        return ReminderDecision::StayQuiet;
    const QDate last = storedDate(stored);
    if (!last.isValid())
        return ReminderDecision::StoreToday;
    const qint64 days = today.daysTo(last);
    if (days < -14 || days > 14)
        return ReminderDecision::Ask;
    return ReminderDecision::StayQuiet;
}

QString reminderDateText(const QDate &date)
{
    return date.toString(QStringLiteral("yyyy-MM-dd"));
}

QString reminderQuestion()
{
    return QStringLiteral("There maybe an update to this software available\r"
                          "Do you want to check for an update?");
}

} // namespace amorisk::web
