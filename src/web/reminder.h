#pragma once

#include <QDate>
#include <QString>
#include <QVariant>

namespace amorisk::web {

inline constexpr char ReminderKey[] = "LastUpdateReminder";

enum class ReminderDecision {
    StoreToday, // nothing usable stored: store today, ask nothing
    StayQuiet,  // fewer than 15 days either way: change nothing
    Ask,        // ask the question, then store today
};

ReminderDecision reminderDecision(const QDate &today, const QVariant &stored);

// Stored form of a date: ISO yyyy-MM-dd.
QString reminderDateText(const QDate &date);

// The question, with a lone carriage return between its two sentences.
QString reminderQuestion();

} // namespace amorisk::web
