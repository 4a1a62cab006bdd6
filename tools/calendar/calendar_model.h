#pragma once

#include "tools/calendar/civil_date.h"

#include <array>
#include <vector>

namespace nuvra::tools::calendar {

inline constexpr int kFirstCell = 7;
inline constexpr int kLastCell = 48;
inline constexpr int kCellCount = 42;

enum class CalendarEvent { DateChange, DayClick };
using CalendarEvents = std::vector<CalendarEvent>;

enum class ArrowKey { Left, Right, Up, Down };
enum class MonthStep { Previous, Next };

// The first cell shows the first day of the week that holds the 1st, or the day a week before
// the 1st when the 1st is itself the first day of the week. firstDayOfWeek: 1 Sunday .. 7
// Saturday.
Date firstCellDate(int year, int month, int firstDayOfWeek);
std::array<Date, kCellCount> monthCellDates(int year, int month, int firstDayOfWeek);

// The date logic of the month calendar: the shown month, the active day and its cell, and every
// way the user changes them. Cells are numbered 7 to 48 row by row: (row - 1) * 7 + column + 6.
class CalendarModel {
public:
    // firstDayOfWeek 0 takes systemFirstDay (the user's setting, 1 Sunday .. 7 Saturday).
    explicit CalendarModel(Date activeDate, int firstDayOfWeek = 1, int systemFirstDay = 1);

    Date activeDate() const { return {m_year, m_month, m_day}; }
    int year() const { return m_year; }
    int month() const { return m_month; }
    int day() const { return m_day; }
    int activeCell() const { return m_activeCell; }

    int FirstDayOfWeek() const { return m_firstDayOfWeek; }
    // 0 to 7; other values are refused.
    bool setFirstDayOfWeek(int value);
    int effectiveFirstDay() const;

    Date cellDate(int cell) const;
    std::array<Date, kCellCount> cellDates() const;
    bool isInMonth(int cell) const;
    int firstDayCell() const;
    int lastDayCell() const;
    int cellOfDay(int day) const;

    // The year menu's eleven items: the shown year - 5 to + 5 (item 6 is the shown year).
    std::array<int, 11> yearMenu() const;
    // The week-of-year label of each row: the week of the 1st plus the row index.
    std::array<int, 6> weekNumbers() const;

    // Writing the active date raises no event; a date outside the accepted years is refused.
    bool setActiveDate(const Date& date);

    // The user's changes; each returns the events raised, in order. A change that would leave
    // the accepted years, or a cell outside 7 .. 48, does nothing and raises nothing.
    CalendarEvents clickCell(int cell);
    CalendarEvents pressArrow(ArrowKey key);
    CalendarEvents stepMonth(MonthStep step);
    CalendarEvents chooseMonth(int month);
    CalendarEvents chooseYear(int item);

private:
    CalendarEvents changeByCell(int cell);
    void clampDay();

    int m_year;
    int m_month;
    int m_day;
    int m_activeCell = kFirstCell;
    int m_firstDayOfWeek;
    int m_systemFirstDay;
};

} // namespace nuvra::tools::calendar
