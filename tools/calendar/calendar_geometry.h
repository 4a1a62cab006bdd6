#pragma once

#include "tools/calendar/calendar_model.h"

#include <array>
#include <optional>

namespace nuvra::tools::calendar {

// Right and bottom are exclusive.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool operator==(const Rect&) const = default;
};

// The properties that decide the layout.
struct CalendarLayout {
    bool showMonth = true;
    bool showWeekDays = true;
    bool monthChangeButtons = true;
    bool showWeekNumber = false;
    int lineStyle = 1;   // 0 none, 1 raised, 2 sunken, 3 flat lines
    int borderStyle = 1; // 0 none .. 6 flat frame
};

// 0 for style 0, 1 for styles 3, 4 and 6, 2 for styles 1, 2 and 5.
int borderWidth(int borderStyle);

// Every area of the control in pixels of its client area (width W, height H).
struct CalendarGeometry {
    int border = 0;       // b
    int headerHeight = 0; // hm: 19 with the month header
    int headerRows = 0;   // h0: hm plus 19 with the weekday row
    int weekColumn = 0;   // n: 24 with week numbers
    int cellWidth = 0;
    int cellHeight = 0;
    Rect monthHeader;
    Rect previousButton;
    Rect nextButton;
    std::array<Rect, 7> weekdays;
    std::array<Rect, kCellCount> cells; // cell 7 first
    std::array<Rect, 6> weekNumbers;
    Rect weekNumberCorner;

    const Rect& cell(int cell) const { return cells[static_cast<std::size_t>(cell - kFirstCell)]; }
    // The first cell whose rectangle holds the point, row by row.
    std::optional<int> cellAt(int x, int y) const;
};

CalendarGeometry computeGeometry(int width, int height, const CalendarLayout& layout);

// The resize rule: the remainders trimmed last time are given back first, then the control
// shrinks so that the cell area divides evenly into 7 columns and 6 rows.
struct ResizeResult {
    int width = 0;
    int height = 0;
    int widthRemainder = 0;
    int heightRemainder = 0;
};

ResizeResult applyResizeRule(int width, int height, const CalendarLayout& layout,
                             int previousWidthRemainder, int previousHeightRemainder);

// What the header measures for the menus: the width of "month year", of the month name and of
// the year, in the control's font made bold.
struct HeaderTextWidths {
    int text = 0;
    int monthName = 0;
    int year = 0;
};

enum class MouseButton { Left, Right, Middle };
enum class CalendarMenu { None, Months, Years };

struct ReleaseOutcome {
    CalendarMenu menu = CalendarMenu::None;
    int menuX = 0; // the menu's top-left corner
    int menuY = 0;
    CalendarEvents events;
};

// A mouse button released at (x, y): the header areas open the menus (left or right button),
// the month buttons step the month and a day cell changes the date (left button only).
ReleaseOutcome releaseMouse(CalendarModel& model, const CalendarGeometry& geometry,
                            const CalendarLayout& layout, int x, int y, MouseButton button,
                            const HeaderTextWidths& widths);

} // namespace nuvra::tools::calendar
