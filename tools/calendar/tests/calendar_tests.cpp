#include "tools/calendar/calendar_geometry.h"
#include "tools/calendar/calendar_model.h"
#include "tools/calendar/civil_date.h"
#include "tools/calendar/short_date_format.h"

#include <gtest/gtest.h>

namespace nuvra::tools::calendar {
namespace {

using Events = CalendarEvents;
const Events kDateChange{CalendarEvent::DateChange};
const Events kNone{};

struct FirstCellCase {
    const char* name;
    int year, month, firstDay;
    Date firstCell;
    int cellOfTheFirst;
};

class FirstCellTest : public testing::TestWithParam<FirstCellCase> {};

TEST_P(FirstCellTest, StartsTheGridOnTheFirstDayOfTheWeek)
{
    const FirstCellCase& c = GetParam();
    EXPECT_EQ(firstCellDate(c.year, c.month, c.firstDay), c.firstCell);
    const CalendarModel model({c.year, c.month, 1}, c.firstDay);
    EXPECT_EQ(model.firstDayCell(), c.cellOfTheFirst);
}

INSTANTIATE_TEST_SUITE_P(
    Months, FirstCellTest,
    testing::Values(FirstCellCase{"april_2009_sunday_first", 2009, 4, 1, {2009, 3, 29}, 10},
                    FirstCellCase{"march_2009_starts_on_sunday", 2009, 3, 1, {2009, 2, 22}, 14},
                    FirstCellCase{"april_2009_monday_first", 2009, 4, 2, {2009, 3, 30}, 9},
                    FirstCellCase{"june_2009_first_in_column_two", 2009, 6, 1, {2009, 5, 31}, 8},
                    FirstCellCase{"january_across_the_year", 2010, 1, 1, {2009, 12, 27}, 12}),
    [](const testing::TestParamInfo<FirstCellCase>& info) { return info.param.name; });

TEST(CalendarModelTest, FortyTwoConsecutiveDays)
{
    const auto dates = monthCellDates(2009, 4, 1);
    EXPECT_EQ(dates.front(), (Date{2009, 3, 29}));
    EXPECT_EQ(dates[3], (Date{2009, 4, 1}));
    EXPECT_EQ(dates.back(), (Date{2009, 5, 9}));
}

TEST(CalendarModelTest, TestsCellsAgainstTheShownMonth)
{
    const CalendarModel april({2009, 4, 15}, 1);
    EXPECT_FALSE(april.isInMonth(9));
    EXPECT_TRUE(april.isInMonth(10));
    EXPECT_TRUE(april.isInMonth(39));
    EXPECT_FALSE(april.isInMonth(40));
    EXPECT_EQ(april.activeCell(), 24);
}

TEST(CalendarModelTest, RightArrowOnTheLastDayMovesIntoTheNextMonth)
{
    CalendarModel model({2009, 1, 31}, 1);
    EXPECT_EQ(model.pressArrow(ArrowKey::Right), kDateChange);
    EXPECT_EQ(model.activeDate(), (Date{2009, 2, 1}));
    // 1 February 2009 is a Sunday, so it is the first cell of row 2.
    EXPECT_EQ(model.activeCell(), 14);
}

TEST(CalendarModelTest, ArrowsThatLeaveTheGridDoNothing)
{
    CalendarModel april({2009, 4, 1}, 1);
    EXPECT_EQ(april.pressArrow(ArrowKey::Up), kNone);
    EXPECT_EQ(april.activeDate(), (Date{2009, 4, 1}));
    CalendarModel march({2009, 3, 31}, 1);
    EXPECT_EQ(march.activeCell(), 44);
    EXPECT_EQ(march.pressArrow(ArrowKey::Down), kNone);
    EXPECT_EQ(march.activeDate(), (Date{2009, 3, 31}));
}

TEST(CalendarModelTest, ArrowsMoveByRowsAndColumns)
{
    CalendarModel model({2009, 4, 15}, 1);
    EXPECT_EQ(model.pressArrow(ArrowKey::Up), kDateChange);
    EXPECT_EQ(model.activeDate(), (Date{2009, 4, 8}));
    EXPECT_EQ(model.pressArrow(ArrowKey::Left), kDateChange);
    EXPECT_EQ(model.activeDate(), (Date{2009, 4, 7}));
    EXPECT_EQ(model.pressArrow(ArrowKey::Down), kDateChange);
    EXPECT_EQ(model.activeDate(), (Date{2009, 4, 14}));
}

TEST(CalendarModelTest, YearMenuClampsTheDay)
{
    CalendarModel model({2008, 2, 29}, 1);
    EXPECT_EQ(model.chooseYear(7), kDateChange);
    EXPECT_EQ(model.activeDate(), (Date{2009, 2, 28}));
    EXPECT_EQ(model.chooseYear(0), kNone);
    EXPECT_EQ(model.chooseYear(12), kNone);
}

TEST(CalendarModelTest, MonthMenuClampsTheDay)
{
    CalendarModel model({2009, 3, 31}, 1);
    EXPECT_EQ(model.chooseMonth(4), kDateChange);
    EXPECT_EQ(model.activeDate(), (Date{2009, 4, 30}));
    EXPECT_EQ(model.activeCell(), 39);
    EXPECT_EQ(model.chooseMonth(13), kNone);
}

TEST(CalendarModelTest, NextMonthButtonStepsTheYear)
{
    CalendarModel model({2008, 12, 10}, 1);
    EXPECT_EQ(model.stepMonth(MonthStep::Next), kDateChange);
    EXPECT_EQ(model.activeDate(), (Date{2009, 1, 10}));
    const std::array<int, 11> years{2004, 2005, 2006, 2007, 2008, 2009,
                                    2010, 2011, 2012, 2013, 2014};
    EXPECT_EQ(model.yearMenu(), years);
    EXPECT_EQ(model.stepMonth(MonthStep::Previous), kDateChange);
    EXPECT_EQ(model.activeDate(), (Date{2008, 12, 10}));
}

TEST(CalendarModelTest, ClickOnAGreyCellMovesToThatMonth)
{
    CalendarModel model({2009, 4, 15}, 1);
    const Events expected{CalendarEvent::DateChange, CalendarEvent::DayClick};
    EXPECT_EQ(model.clickCell(40), expected);
    EXPECT_EQ(model.activeDate(), (Date{2009, 5, 1}));
    EXPECT_EQ(model.activeCell(), 12);
    EXPECT_EQ(model.clickCell(9), expected);
    EXPECT_EQ(model.activeDate(), (Date{2009, 4, 28}));
    EXPECT_EQ(model.clickCell(6), kNone);
}

TEST(CalendarModelTest, InMonthFollowsTheMonthShownNow)
{
    CalendarModel model({2009, 2, 15}, 1);
    EXPECT_FALSE(model.isInMonth(43));
    EXPECT_EQ(model.stepMonth(MonthStep::Next), kDateChange);
    EXPECT_TRUE(model.isInMonth(42));
    EXPECT_TRUE(model.isInMonth(43));
    EXPECT_TRUE(model.isInMonth(44));
    (void)model.clickCell(43);
    EXPECT_EQ(model.activeDate(), (Date{2009, 3, 30}));
}

TEST(CalendarModelTest, WritingTheActiveDateRaisesNoEventAndRefusesBadDates)
{
    CalendarModel model({2009, 4, 15}, 1);
    EXPECT_FALSE(model.setActiveDate({2009, 2, 30}));
    EXPECT_FALSE(model.setActiveDate({10000, 1, 1}));
    EXPECT_EQ(model.activeDate(), (Date{2009, 4, 15}));
    EXPECT_TRUE(model.setActiveDate({2009, 3, 1}));
    EXPECT_EQ(model.activeCell(), 14);
}

TEST(CalendarModelTest, ChangesBeyondTheLastYearDoNothing)
{
    CalendarModel model({9999, 12, 31}, 1);
    EXPECT_EQ(model.stepMonth(MonthStep::Next), kNone);
    EXPECT_EQ(model.chooseYear(7), kNone);
    EXPECT_EQ(model.pressArrow(ArrowKey::Right), kNone);
    EXPECT_EQ(model.activeDate(), (Date{9999, 12, 31}));
}

TEST(CalendarModelTest, SystemFirstDayWhenThePropertyIsZero)
{
    CalendarModel model({2009, 4, 1}, 0, 2);
    EXPECT_EQ(model.effectiveFirstDay(), 2);
    EXPECT_EQ(model.cellDate(7), (Date{2009, 3, 30}));
    EXPECT_FALSE(model.setFirstDayOfWeek(8));
    EXPECT_TRUE(model.setFirstDayOfWeek(1));
    EXPECT_EQ(model.activeCell(), 10);
}

TEST(CalendarModelTest, LabelsRowsWithWeekNumbers)
{
    const CalendarModel model({2009, 4, 1}, 1);
    const std::array<int, 6> labels{14, 15, 16, 17, 18, 19};
    EXPECT_EQ(model.weekNumbers(), labels);
}

TEST(CalendarGeometryTest, MortgageInstanceLayout)
{
    CalendarLayout layout;
    layout.lineStyle = 3;
    layout.borderStyle = 0;
    const CalendarGeometry g = computeGeometry(189, 200, layout);
    EXPECT_EQ(g.border, 0);
    EXPECT_EQ(g.cellWidth, 27);
    EXPECT_EQ(g.cellHeight, 27);
    EXPECT_EQ(g.monthHeader, (Rect{0, 0, 189, 19}));
    EXPECT_EQ(g.previousButton, (Rect{2, 2, 17, 17}));
    EXPECT_EQ(g.nextButton, (Rect{172, 2, 187, 17}));
    EXPECT_EQ(g.weekdays[0], (Rect{0, 19, 27, 38}));
    EXPECT_EQ(g.cell(7), (Rect{0, 38, 27, 65}));
    EXPECT_EQ(g.cell(48), (Rect{162, 173, 189, 200}));
    EXPECT_EQ(g.weekNumbers[5], (Rect{0, 173, 25, 199}));
    EXPECT_EQ(g.cellAt(30, 40), 8);
    EXPECT_FALSE(g.cellAt(30, 10).has_value());
}

TEST(CalendarGeometryTest, WeekNumbersAndBorderShiftTheCells)
{
    CalendarLayout layout;
    layout.showWeekNumber = true;
    const CalendarGeometry g = computeGeometry(200, 200, layout);
    EXPECT_EQ(g.border, 2);
    EXPECT_EQ(g.cellWidth, 24); // (200 - 24 - 4) div 7
    EXPECT_EQ(g.cellHeight, 26);
    EXPECT_EQ(g.cell(7), (Rect{26, 40, 50, 66}));
    EXPECT_EQ(g.weekNumbers[0], (Rect{2, 40, 26, 66}));
    EXPECT_EQ(g.weekNumberCorner, (Rect{2, 21, 26, 40}));
}

struct BorderCase {
    const char* name;
    int style;
    int width;
};

class BorderWidthTest : public testing::TestWithParam<BorderCase> {};

TEST_P(BorderWidthTest, ByStyle)
{
    EXPECT_EQ(borderWidth(GetParam().style), GetParam().width);
}

INSTANTIATE_TEST_SUITE_P(Styles, BorderWidthTest,
                         testing::Values(BorderCase{"none", 0, 0}, BorderCase{"sunken", 1, 2},
                                         BorderCase{"raised", 2, 2}, BorderCase{"thin", 3, 1},
                                         BorderCase{"thin_raised", 4, 1},
                                         BorderCase{"etched", 5, 2}, BorderCase{"flat", 6, 1}),
                         [](const testing::TestParamInfo<BorderCase>& info) {
                             return info.param.name;
                         });

TEST(CalendarGeometryTest, ResizeTrimsAndGivesBackTheRemainders)
{
    const CalendarLayout layout;
    const ResizeResult first = applyResizeRule(200, 200, layout, 0, 0);
    EXPECT_EQ(first.width, 200);  // 196 divides by 7
    EXPECT_EQ(first.height, 198); // 158 mod 6 = 2
    EXPECT_EQ(first.widthRemainder, 0);
    EXPECT_EQ(first.heightRemainder, 2);
    const ResizeResult again = applyResizeRule(first.width, first.height, layout, 0, 2);
    EXPECT_EQ(again.height, 198);
    EXPECT_EQ(again.heightRemainder, 2);
    const ResizeResult tiny = applyResizeRule(10, 10, layout, 0, 0);
    EXPECT_EQ(tiny.width, 4); // 6 pixels of cells cannot make 7 columns
    EXPECT_EQ(tiny.heightRemainder, 0);
}

TEST(CalendarMouseTest, HeaderAreasOpenTheMenus)
{
    CalendarLayout layout;
    layout.borderStyle = 0;
    const CalendarGeometry g = computeGeometry(189, 200, layout);
    CalendarModel model({2009, 4, 15}, 1);
    const HeaderTextWidths widths{80, 50, 30}; // text from 54 to 134
    const auto months = releaseMouse(model, g, layout, 60, 5, MouseButton::Left, widths);
    EXPECT_EQ(months.menu, CalendarMenu::Months);
    EXPECT_EQ(months.menuX, 54);
    EXPECT_EQ(months.menuY, 18);
    const auto years = releaseMouse(model, g, layout, 120, 5, MouseButton::Right, widths);
    EXPECT_EQ(years.menu, CalendarMenu::Years);
    EXPECT_EQ(years.menuX, 104);
    EXPECT_EQ(releaseMouse(model, g, layout, 60, 5, MouseButton::Middle, widths).menu,
              CalendarMenu::None);
    layout.showMonth = false;
    const CalendarGeometry bare = computeGeometry(189, 200, layout);
    const auto none = releaseMouse(model, bare, layout, 60, 5, MouseButton::Left, widths);
    EXPECT_EQ(none.menu, CalendarMenu::None);
    EXPECT_TRUE(none.events.empty());
}

TEST(CalendarMouseTest, ButtonsAndCellsWithTheLeftButtonOnly)
{
    CalendarLayout layout;
    layout.borderStyle = 0;
    const CalendarGeometry g = computeGeometry(189, 200, layout);
    CalendarModel model({2009, 4, 15}, 1);
    EXPECT_EQ(releaseMouse(model, g, layout, 175, 5, MouseButton::Left, {}).events, kDateChange);
    EXPECT_EQ(model.month(), 5);
    EXPECT_TRUE(releaseMouse(model, g, layout, 5, 5, MouseButton::Right, {}).events.empty());
    // Cell 8 of May 2009 (first cell 26 April) is 27 April.
    const Events clicked{CalendarEvent::DateChange, CalendarEvent::DayClick};
    EXPECT_EQ(releaseMouse(model, g, layout, 30, 40, MouseButton::Left, {}).events, clicked);
    EXPECT_EQ(model.activeDate(), (Date{2009, 4, 27}));
    layout.monthChangeButtons = false;
    EXPECT_TRUE(releaseMouse(model, g, layout, 175, 5, MouseButton::Left, {}).events.empty());
}

TEST(CivilDateTest, WeekdaysAndDays)
{
    EXPECT_EQ(weekday({2009, 4, 1}), 4);
    EXPECT_EQ(weekday({2009, 3, 1}), 1);
    EXPECT_EQ(daysInMonth(2008, 2), 29);
    EXPECT_EQ(daysInMonth(1900, 2), 28);
    EXPECT_EQ(daysInMonth(2000, 2), 29);
    EXPECT_EQ(addDays({2008, 12, 31}, 1), (Date{2009, 1, 1}));
    EXPECT_EQ(isoText({2009, 3, 29}), "2009-03-29");
}

struct IsoCase {
    const char* name;
    const char* text;
    bool valid;
};

class ParseIsoDateTest : public testing::TestWithParam<IsoCase> {};

TEST_P(ParseIsoDateTest, AcceptsOnlyRealDays)
{
    EXPECT_EQ(parseIsoDate(GetParam().text).has_value(), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseIsoDateTest,
                         testing::Values(IsoCase{"leap_day", "2008-02-29", true},
                                         IsoCase{"february_thirtieth", "2009-02-30", false},
                                         IsoCase{"no_leap_day", "2009-02-29", false},
                                         IsoCase{"month_thirteen", "2009-13-01", false},
                                         IsoCase{"short_fields", "2009-2-3", false},
                                         IsoCase{"letters", "abcd-ef-gh", false},
                                         IsoCase{"year_zero", "0000-01-01", false},
                                         IsoCase{"empty", "", false}),
                         [](const testing::TestParamInfo<IsoCase>& info) {
                             return info.param.name;
                         });

TEST(ShortDateFormatTest, WritesAndReadsTheUserPattern)
{
    EXPECT_EQ(formatShortDate({2009, 4, 1}, "M/d/yyyy"), "4/1/2009");
    EXPECT_EQ(formatShortDate({2009, 4, 1}, "dd.MM.yyyy"), "01.04.2009");
    EXPECT_EQ(formatShortDate({2009, 4, 1}, "yy-MM-dd"), "09-04-01");
    EXPECT_EQ(parseShortDate("4/1/2009", "M/d/yyyy"), (Date{2009, 4, 1}));
    EXPECT_EQ(parseShortDate("01.04.2009", "dd.MM.yyyy"), (Date{2009, 4, 1}));
    EXPECT_EQ(parseShortDate("4/1/09", "M/d/yy"), (Date{2009, 4, 1}));
    EXPECT_EQ(parseShortDate("4/1/45", "M/d/yy"), (Date{1945, 4, 1}));
    EXPECT_FALSE(parseShortDate("2/30/2009", "M/d/yyyy").has_value());
    EXPECT_FALSE(parseShortDate("4-1-2009", "M/d/yyyy").has_value());
    EXPECT_FALSE(parseShortDate("4/1/2009x", "M/d/yyyy").has_value());
    EXPECT_FALSE(parseShortDate("", "M/d/yyyy").has_value());
}

} // namespace
} // namespace nuvra::tools::calendar
