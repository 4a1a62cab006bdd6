#include "tools/calendar/calendar_model.h"

#include <algorithm>

namespace nuvra::tools::calendar {

Date firstCellDate(int year, int month, int firstDayOfWeek)
{
    const Date first{year, month, 1};
    int back = (weekday(first) - firstDayOfWeek + 7) % 7;
    if (back == 0)
        back = 7; // row 1 always holds days of the month before
    return addDays(first, -back);
}

std::array<Date, kCellCount> monthCellDates(int year, int month, int firstDayOfWeek)
{
    std::array<Date, kCellCount> dates;
    const long long start = daysFromCivil(firstCellDate(year, month, firstDayOfWeek));
    for (int i = 0; i < kCellCount; ++i)
        dates[static_cast<std::size_t>(i)] = civilFromDays(start + i);
    return dates;
}

CalendarModel::CalendarModel(Date activeDate, int firstDayOfWeek, int systemFirstDay)
    : m_year(2000), m_month(1), m_day(1),
      m_firstDayOfWeek(firstDayOfWeek >= 0 && firstDayOfWeek <= 7 ? firstDayOfWeek : 1),
      m_systemFirstDay(systemFirstDay >= 1 && systemFirstDay <= 7 ? systemFirstDay : 1)
{
    if (!setActiveDate(activeDate))
        m_activeCell = cellOfDay(m_day);
}

bool CalendarModel::setFirstDayOfWeek(int value)
{
    if (value < 0 || value > 7)
        return false;
    m_firstDayOfWeek = value;
    m_activeCell = cellOfDay(m_day);
    return true;
}

int CalendarModel::effectiveFirstDay() const
{
    return m_firstDayOfWeek == 0 ? m_systemFirstDay : m_firstDayOfWeek;
}

Date CalendarModel::cellDate(int cell) const
{
    return addDays(firstCellDate(m_year, m_month, effectiveFirstDay()), cell - kFirstCell);
}

std::array<Date, kCellCount> CalendarModel::cellDates() const
{
    return monthCellDates(m_year, m_month, effectiveFirstDay());
}

int CalendarModel::cellOfDay(int day) const
{
    const long long first = daysFromCivil(firstCellDate(m_year, m_month, effectiveFirstDay()));
    return static_cast<int>(daysFromCivil({m_year, m_month, day}) - first) + kFirstCell;
}

int CalendarModel::firstDayCell() const
{
    return cellOfDay(1);
}

int CalendarModel::lastDayCell() const
{
    return cellOfDay(daysInMonth(m_year, m_month));
}

bool CalendarModel::isInMonth(int cell) const
{
    return cell >= firstDayCell() && cell <= lastDayCell();
}

std::array<int, 11> CalendarModel::yearMenu() const
{
    std::array<int, 11> years{};
    for (int i = 0; i < 11; ++i)
        years[static_cast<std::size_t>(i)] = m_year - 5 + i;
    return years;
}

std::array<int, 6> CalendarModel::weekNumbers() const
{
    const int firstDay = effectiveFirstDay();
    const Date january{m_year, 1, 1};
    const int offset = (weekday(january) - firstDay + 7) % 7;
    const long long dayOfYear = daysFromCivil({m_year, m_month, 1}) - daysFromCivil(january);
    const int week = static_cast<int>((dayOfYear + offset) / 7) + 1;
    std::array<int, 6> labels{};
    for (int r = 0; r < 6; ++r)
        labels[static_cast<std::size_t>(r)] = week + r;
    return labels;
}

bool CalendarModel::setActiveDate(const Date& date)
{
    if (!isValidDate(date))
        return false;
    m_year = date.year;
    m_month = date.month;
    m_day = date.day;
    m_activeCell = cellOfDay(m_day);
    return true;
}

void CalendarModel::clampDay()
{
    m_day = std::min(m_day, daysInMonth(m_year, m_month));
}

CalendarEvents CalendarModel::changeByCell(int cell)
{
    const Date shown = cellDate(cell);
    if (!isValidDate(shown))
        return {};
    // A grey cell moves the month back (cells up to 14) or forward; the date it shows is the
    // same either way.
    m_year = shown.year;
    m_month = shown.month;
    m_day = shown.day;
    m_activeCell = cellOfDay(m_day);
    return {CalendarEvent::DateChange};
}

CalendarEvents CalendarModel::clickCell(int cell)
{
    if (cell < kFirstCell || cell > kLastCell)
        return {};
    CalendarEvents events = changeByCell(cell);
    if (!events.empty())
        events.push_back(CalendarEvent::DayClick);
    return events;
}

CalendarEvents CalendarModel::pressArrow(ArrowKey key)
{
    int cell = m_activeCell;
    switch (key) {
    case ArrowKey::Left:
        --cell;
        break;
    case ArrowKey::Right:
        ++cell;
        break;
    case ArrowKey::Up:
        cell -= 7;
        break;
    case ArrowKey::Down:
        cell += 7;
        break;
    }
    if (cell < kFirstCell || cell > kLastCell)
        return {};
    return changeByCell(cell);
}

CalendarEvents CalendarModel::stepMonth(MonthStep step)
{
    int year = m_year;
    int month = m_month + (step == MonthStep::Next ? 1 : -1);
    if (month > 12) {
        month = 1;
        ++year;
    } else if (month < 1) {
        month = 12;
        --year;
    }
    if (year < kFirstYear || year > kLastYear)
        return {};
    m_year = year;
    m_month = month;
    clampDay();
    m_activeCell = cellOfDay(m_day);
    return {CalendarEvent::DateChange};
}

CalendarEvents CalendarModel::chooseMonth(int month)
{
    if (month < 1 || month > 12)
        return {};
    m_month = month;
    clampDay();
    m_activeCell = cellOfDay(m_day);
    return {CalendarEvent::DateChange};
}

CalendarEvents CalendarModel::chooseYear(int item)
{
    if (item < 1 || item > 11)
        return {};
    const int year = m_year + (item - 6);
    if (year < kFirstYear || year > kLastYear)
        return {};
    m_year = year;
    clampDay();
    m_activeCell = cellOfDay(m_day);
    return {CalendarEvent::DateChange};
}

} // namespace nuvra::tools::calendar
