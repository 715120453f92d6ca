#include "web/reminder.h"

namespace amorisk::web {
ReminderDecision reminderDecision(const QDate &, const QVariant &) { return ReminderDecision::StayQuiet; }
QString reminderDateText(const QDate &date) { return date.toString(Qt::ISODate); }
QString reminderQuestion() { return {}; }
} // namespace amorisk::web
