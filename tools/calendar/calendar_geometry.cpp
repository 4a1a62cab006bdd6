#include "tools/calendar/calendar_geometry.h"

namespace nuvra::tools::calendar {

int borderWidth(int borderStyle)
{
    switch (borderStyle) {
    case 3:
    case 4:
    case 6:
        return 1;
    case 1:
    case 2:
    case 5:
        return 2;
    default:
        return 0;
    }
}

std::optional<int> CalendarGeometry::cellAt(int x, int y) const
{
    for (int c = kFirstCell; c <= kLastCell; ++c) {
        if (cell(c).contains(x, y))
            return c;
    }
    return std::nullopt;
}

CalendarGeometry computeGeometry(int width, int height, const CalendarLayout& layout)
{
    CalendarGeometry g;
    const int b = borderWidth(layout.borderStyle);
    g.border = b;
    g.headerHeight = layout.showMonth ? 19 : 0;
    g.headerRows = g.headerHeight + (layout.showWeekDays ? 19 : 0);
    g.weekColumn = layout.showWeekNumber ? 24 : 0;
    const int n = g.weekColumn;
    const int h0 = g.headerRows;
    g.cellWidth = (width - n - 2 * b) / 7;
    g.cellHeight = (height - h0 - 2 * b) / 6;
    const int cw = g.cellWidth;
    const int ch = g.cellHeight;

    g.monthHeader = {b, b, width - b, b + 19};
    g.previousButton = {b + 2, b + 2, b + 17, b + 17};
    g.nextButton = {width - b - 17, b + 2, width - b - 2, b + 17};
    for (int i = 0; i < 7; ++i) {
        g.weekdays[static_cast<std::size_t>(i)] = {b + n + i * cw, b + g.headerHeight,
                                                   b + n + (i + 1) * cw, b + h0};
    }
    for (int r = 1; r <= 6; ++r) {
        for (int c = 1; c <= 7; ++c) {
            g.cells[static_cast<std::size_t>((r - 1) * 7 + c - 1)] = {
                b + n + (c - 1) * cw, b + h0 + (r - 1) * ch, b + n + c * cw, b + h0 + r * ch};
        }
    }
    const int numberWidth = layout.lineStyle == 3 ? 25 : 24;
    for (int r = 1; r <= 6; ++r) {
        Rect& rect = g.weekNumbers[static_cast<std::size_t>(r - 1)];
        rect = {b, b + h0 + (r - 1) * ch, b + numberWidth, b + h0 + r * ch};
        if (r == 6 && layout.lineStyle == 3)
            --rect.bottom;
    }
    g.weekNumberCorner = {b, b + g.headerHeight, b + numberWidth, b + h0};
    return g;
}

ResizeResult applyResizeRule(int width, int height, const CalendarLayout& layout,
                             int previousWidthRemainder, int previousHeightRemainder)
{
    const int b = borderWidth(layout.borderStyle);
    const int n = layout.showWeekNumber ? 24 : 0;
    const int h0 = (layout.showMonth ? 19 : 0) + (layout.showWeekDays ? 19 : 0);
    ResizeResult result;
    result.width = width + previousWidthRemainder;
    result.height = height + previousHeightRemainder;
    // A client area smaller than the fixed parts has no cells to even out.
    const int cellsWidth = result.width - n - 2 * b;
    const int cellsHeight = result.height - h0 - 2 * b;
    result.widthRemainder = cellsWidth > 0 ? cellsWidth % 7 : 0;
    result.heightRemainder = cellsHeight > 0 ? cellsHeight % 6 : 0;
    result.width -= result.widthRemainder;
    result.height -= result.heightRemainder;
    return result;
}

ReleaseOutcome releaseMouse(CalendarModel& model, const CalendarGeometry& geometry,
                            const CalendarLayout& layout, int x, int y, MouseButton button,
                            const HeaderTextWidths& widths)
{
    ReleaseOutcome outcome;
    const int b = geometry.border;
    if (layout.showMonth && button != MouseButton::Middle && y >= b && y < b + 19) {
        // m = (W - 2b) div 2, and the header runs from b to W - b.
        const int middle = (geometry.monthHeader.right - geometry.monthHeader.left) / 2;
        const int textLeft = middle - widths.text / 2;
        const int textRight = middle + widths.text / 2;
        if (x >= textLeft && x < textLeft + widths.monthName) {
            outcome.menu = CalendarMenu::Months;
            outcome.menuX = textLeft;
            outcome.menuY = b + 18;
            return outcome;
        }
        if (x >= textRight - widths.year && x < textRight) {
            outcome.menu = CalendarMenu::Years;
            outcome.menuX = textRight - widths.year;
            outcome.menuY = b + 18;
            return outcome;
        }
    }
    if (button != MouseButton::Left)
        return outcome;
    if (layout.monthChangeButtons && layout.showMonth) {
        if (geometry.previousButton.contains(x, y)) {
            outcome.events = model.stepMonth(MonthStep::Previous);
            return outcome;
        }
        if (geometry.nextButton.contains(x, y)) {
            outcome.events = model.stepMonth(MonthStep::Next);
            return outcome;
        }
    }
    if (const auto cell = geometry.cellAt(x, y))
        outcome.events = model.clickCell(*cell);
    return outcome;
}

} // namespace nuvra::tools::calendar
