#include "sci/ui/sci_window.h"

#include "art/kit/butler_channel.h"
#include "art/kit/skin_button.h"
#include "art/palette.h"
#include "art/skin.h"
#include "core/session.h"
#include "platform/desktop/twips_geometry.h"
#include "sci/scientific_keys.h"
#include "sci/science_state.h"
#include "shell/menu_model.h"
#include "shell/ui/toolbox_context.h"

#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QCursor>
#include <QPainter>

#include <array>

namespace nuvra::sci::ui {

using kit::ControlKind;
using kit::qs;
using platform::twipsToPixels;
using Pic = art::Picture;

namespace {

constexpr std::string_view kToolboxText =
    "Nuvra Toolbox, housing Scientific and Statistical functions.";
constexpr std::string_view kWelcomeText =
    "Welcome to Nuvra. Hover over buttons to know what they do. Hope you enjoy.";
constexpr std::string_view kListText = "Displays the stored Values.";
constexpr std::string_view kResultText = "Displays the Results (of Statistical Functions).";

// The scientific page lies 350 twips down the window; a key's highlight ring starts 20 twips
// left of the key and 330 twips below the key's top on the page, so it rings the key evenly.
constexpr int kPageTopTwips = 350;
constexpr int kRingLeftTwips = 20;
constexpr int kRingBelowTwips = 330;

// The window's own parts; the pages carry their keys.
constexpr auto kWindowControls = std::to_array<kit::ControlSpec>({
    // The lit rings: cmd1 for the scientific keys, cmd2 for the statistics keys. They lie
    // under the pages, which are see-through, so the key under the pointer stays on top and
    // a ring that shows never comes between the pointer and the key.
    {"cmd1", ControlKind::Picture, {0, 0, 740, 460}, "", "", "", "", Pic::Highlight},
    {"cmd2", ControlKind::Picture, {0, 0, 740, 460}, "", "", "", "", Pic::Highlight},
    {"main_bg", ControlKind::Panel, {0, kPageTopTwips, 4800, 2664}, "", "",
     "Scientific Toolbar, which holds scientific functions.", "", Pic::None},
    {"stat_main", ControlKind::Panel, {20, 580, 4760, 2420}, "", "",
     "Statistical Toolbar, which is filled with Statistical tools.", "", Pic::None},
    {"wm_bar", ControlKind::Panel, {0, 0, 4500, 230}, "", "", kToolboxText, "", Pic::None},
    {"main_bot", ControlKind::Panel, {0, 3014, 4800, 300}, "", "", kWelcomeText, "", Pic::None},
    {"tbb1", ControlKind::Tab, {120, 265, 1150, 270}, "Scientific", "",
     "Toggle to Scientific Toolbox.", "", Pic::PageTab},
    {"tbb2", ControlKind::Tab, {1300, 265, 1150, 270}, "Statistics", "",
     "Toggle to Statistical Toolbox.", "", Pic::PageTab},
    {"AngSysM", ControlKind::Button, {3880, 265, 800, 270}, "DEG", "",
     "Change angular system.", "", Pic::Indicator},
});

// Six columns of keys on the scientific page, in page coordinates.
constexpr int kKeyWidth = 700;
constexpr int kKeyHeight = 420;
constexpr int column(int c) { return 100 + c * 780; }
constexpr int row(int r) { return 260 + r * 480; }
constexpr platform::TwipsRect keyAt(int c, int r) { return {column(c), row(r), kKeyWidth, kKeyHeight}; }

constexpr auto kScientificKeys = std::to_array<kit::ControlSpec>({
    {"cmdSin", ControlKind::Button, keyAt(0, 0), "sin", "",
     "Finds the sin (T-Ratio) of the current value in the calculator.", "", Pic::FunctionKey},
    {"cmdCos", ControlKind::Button, keyAt(1, 0), "cos", "",
     "Finds the cos (T-Ratio) of the current value in the calculator", "", Pic::FunctionKey},
    {"cmdTan", ControlKind::Button, keyAt(2, 0), "tan", "",
     "Finds the tan (T-Ratio) of the current value in the calculator.", "", Pic::FunctionKey},
    {"cmdCot", ControlKind::Button, keyAt(3, 0), "cot", "",
     "Finds the cot (T-Ratio) of the current value in the calculator.", "", Pic::FunctionKey},
    {"cmdSec", ControlKind::Button, keyAt(4, 0), "sec", "",
     "Finds the sec (T-Ratio) of the current value in the calculator.", "", Pic::FunctionKey},
    {"cmdcosec", ControlKind::Button, keyAt(5, 0), "cosec", "",
     "Finds the cosec (T-Ratio) of the current value in the calculator.", "", Pic::FunctionKey},
    {"cmdr2", ControlKind::Button, keyAt(0, 1), "x²", "",
     "Finds the Square of the current value in the calculator.", "", Pic::FunctionKey},
    {"cmdr3", ControlKind::Button, keyAt(1, 1), "x³", "",
     "Finds the Cube of the current value in the calculator.", "", Pic::FunctionKey},
    {"cmdrx", ControlKind::Button, keyAt(2, 1), "xⁿ", "",
     "Finds the current value in the calculator raised to 'x'.", "", Pic::FunctionKey},
    {"cmdsqroot", ControlKind::Button, keyAt(3, 1), "√x", "",
     "Finds the Square-root of the current value in the calculator.", "", Pic::FunctionKey},
    {"cmd3root", ControlKind::Button, keyAt(4, 1), "∛x", "",
     "Finds the Cube-root of the current value in the calculator.", "", Pic::FunctionKey},
    {"cmdxroot", ControlKind::Button, keyAt(5, 1), "ⁿ√x", "",
     "Finds the 'x'th root of the current value in the calculator.", "", Pic::FunctionKey},
    {"cmdLn", ControlKind::Button, keyAt(0, 2), "ln", "",
     "Finds the ln Value of the current value in the calculator.",
     "Right click to view Options", Pic::FunctionKey},
    {"cmdExp", ControlKind::Button, keyAt(1, 2), "exp", "",
     "Finds the 'exp()' Value of the current value in the calculator.", "", Pic::FunctionKey},
    {"cmdreci", ControlKind::Button, keyAt(2, 2), "1/x", "",
     "Finds the Reciprocal (1/x) Value of the current value in the calculator.", "",
     Pic::FunctionKey},
    {"cmdFactorial", ControlKind::Button, keyAt(3, 2), "n!", "",
     "Finds the Factorial of the current value in the calculator.", "", Pic::FunctionKey},
    {"cmdAbs", ControlKind::Button, keyAt(4, 2), "|x|", "",
     "Finds the Absolute Value of the current value in the calculator.", "", Pic::FunctionKey},
    {"cmdPie", ControlKind::Button, keyAt(5, 2), "π", "", "A constant containing the value of pi.",
     "", Pic::FunctionKey},
    {"cmdint", ControlKind::Button, keyAt(0, 3), "int", "",
     "Finds the Integer value of the current value in the calculator.", "", Pic::FunctionKey},
    {"cmddeci", ControlKind::Button, keyAt(1, 3), "deci", "",
     "Finds the Decimal Value of the current value in the calculator.", "", Pic::FunctionKey},
    {"cmdper", ControlKind::Button, keyAt(2, 3), "%", "",
     "Finds the value of a specified percent of the current value.", "", Pic::FunctionKey},
    {"cmd00", ControlKind::Button, keyAt(3, 3), "00", "", "Adds the Digit/Number(s) '00'.", "",
     Pic::DigitKey},
    {"cmdM", ControlKind::Button, keyAt(4, 3), "M", "",
     "Opens a bar which contains the 'M' functions.", "Show 'M' functions", Pic::OperatorKey},
    {"cmdTax", ControlKind::Button, keyAt(5, 3), "Tax", "",
     "Opens a bar which contains tools for calculating taxes.", "Show 'Tax' functions",
     Pic::OperatorKey},
    // The pull-out bar below the keys.
    {"EX_FR", ControlKind::Panel, {100, 2200, 4600, 420}, "", "",
     "Double - Click to close this bar.", "", Pic::None},
});

// The pull-out bar: the memory set and the tax set in the same place, one set shown.
constexpr auto kBarKeys = std::to_array<kit::ControlSpec>({
    {"cmdMc", ControlKind::Button, {120, 60, 1000, 300}, "MC", "", "Resets the 'M' value to 0.",
     "", Pic::FunctionKey},
    {"cmdMp", ControlKind::Button, {1240, 60, 1000, 300}, "M+", "",
     "Adds the Current value to 'M'.", "", Pic::FunctionKey},
    {"cmdMm", ControlKind::Button, {2360, 60, 1000, 300}, "M−", "",
     "Subtracts the Current value from 'M'.", "", Pic::FunctionKey},
    {"cmdMr", ControlKind::Button, {3480, 60, 1000, 300}, "MR", "",
     "Displays the current 'M' value.", "", Pic::FunctionKey},
    {"cmdtaxp", ControlKind::Button, {120, 60, 1380, 300}, "+ Tax", "",
     "Finds total value after adding Tax.", "", Pic::FunctionKey},
    {"cmdtaxm", ControlKind::Button, {1610, 60, 1380, 300}, "− Tax", "",
     "Finds total value after subtracting Tax.", "", Pic::FunctionKey},
    {"cmdTaxSet", ControlKind::Button, {3100, 60, 1380, 300}, "Tax %", "",
     "Lets you set the Tax Rate (%).", "", Pic::FunctionKey},
});

constexpr std::array<std::string_view, 4> kMemoryKeys{"cmdMc", "cmdMp", "cmdMm", "cmdMr"};
constexpr std::array<std::string_view, 3> kTaxKeys{"cmdtaxp", "cmdtaxm", "cmdTaxSet"};

// Four columns of keys beside the list on the statistics page, in page coordinates.
constexpr int statColumn(int c) { return 1900 + c * 713; }
constexpr int statRow(int r) { return 720 + r * 430; }
constexpr platform::TwipsRect statKey(int c, int r, int span = 1)
{
    return {statColumn(c), statRow(r), 640 + (span - 1) * 713, 360};
}

constexpr auto kStatisticsControls = std::to_array<kit::ControlSpec>({
    {"stat_lbl", ControlKind::Label, {80, 40, 1700, 250}, "Values", "", kListText, "", Pic::None},
    {"stat_table", ControlKind::Panel, {80, 300, 1700, 1700}, "", "", kListText, "", Pic::None},
    {"lstnum", ControlKind::List, {110, 330, 1640, 1640}, "", "Values", kListText, "", Pic::None},
    {"stattbh", ControlKind::Picture, {110, 330, 1640, 1640}, "Insert values to list them here",
     "", kListText, "", Pic::ListHint},
    {"lblcount", ControlKind::Label, {80, 2060, 1700, 300}, "Count = 0", "",
     "Displays the number of stored Values.", "", Pic::None},
    {"lblnum_bg", ControlKind::Panel, {1900, 60, 2780, 560}, "", "", kResultText, "", Pic::None},
    {"lblNum", ControlKind::Label, {1930, 105, 2720, 470}, "0", "", kResultText, "", Pic::None},
    {"cmdsumx", ControlKind::Button, statKey(0, 0), "Σx", "", "Adds all the values in the list.",
     "", Pic::FunctionKey},
    {"cmdsigmax2", ControlKind::Button, statKey(1, 0), "Σx²", "",
     "Adds the squares of all the values in the list.", "", Pic::FunctionKey},
    {"cmdmean", ControlKind::Button, statKey(2, 0), "x̄", "",
     "Finds the Mean of all the values in the list.", "", Pic::FunctionKey},
    {"cmdmeanx2", ControlKind::Button, statKey(3, 0), "Σx²/n", "",
     "Finds the Mean of the squares of all values in the list.", "", Pic::FunctionKey},
    {"cmdsump", ControlKind::Button, statKey(0, 1), "Σ+", "",
     "Finds the sum of all positive (+ve) values.", "", Pic::FunctionKey},
    {"cmdsumn", ControlKind::Button, statKey(1, 1), "Σ−", "",
     "Finds the sum of all negative (-ve) values.", "", Pic::FunctionKey},
    {"cmdhigh", ControlKind::Button, statKey(2, 1), "max", "",
     "Finds the largest value in the list.", "", Pic::FunctionKey},
    {"cmdlow", ControlKind::Button, statKey(3, 1), "min", "",
     "Finds the smallest value in the list.", "", Pic::FunctionKey},
    {"cmdinsert", ControlKind::Button, statKey(0, 2, 2), "Insert", "",
     "Adds / Inserts the current value.", "", Pic::OperatorKey},
    {"cmdrem", ControlKind::Button, statKey(2, 2), "Remove", "",
     "Removes the current selected value.", "", Pic::FunctionKey},
    {"cmdC", ControlKind::Button, statKey(3, 2), "C", "", "Resets the Statistical toolbox.", "",
     Pic::CancelKey},
    {"cmdsendf1", ControlKind::Button, statKey(0, 3, 2), "+ Result", "",
     "Adds the Result to the current value.", "", Pic::OperatorKey},
    {"cmdsendf2", ControlKind::Button, statKey(2, 3, 2), "− Result", "",
     "Subtracts the Result from the current value.", "", Pic::OperatorKey},
});

struct SummaryKey {
    std::string_view name;
    StatisticsSummary summary;
};

constexpr auto kSummaryKeys = std::to_array<SummaryKey>({
    {"cmdsumx", StatisticsSummary::SumX},
    {"cmdsigmax2", StatisticsSummary::SigmaX2},
    {"cmdmean", StatisticsSummary::Mean},
    {"cmdmeanx2", StatisticsSummary::MeanX2},
    {"cmdsump", StatisticsSummary::SumPositive},
    {"cmdsumn", StatisticsSummary::SumNegative},
    {"cmdhigh", StatisticsSummary::High},
    {"cmdlow", StatisticsSummary::Low},
});

struct StripKey {
    std::string_view name;
    OperandMode mode;
};

constexpr auto kStripKeys = std::to_array<StripKey>({
    {"cmdxroot", OperandMode::Root},
    {"cmdrx", OperandMode::Power},
    {"cmdper", OperandMode::Percent},
    {"cmdTaxSet", OperandMode::TaxRate},
});

struct BarKey {
    std::string_view name;
    MemoryTaxKey key;
};

constexpr auto kBarOperations = std::to_array<BarKey>({
    {"cmdMc", MemoryTaxKey::MemoryClear},
    {"cmdMp", MemoryTaxKey::MemoryAdd},
    {"cmdMm", MemoryTaxKey::MemorySubtract},
    {"cmdMr", MemoryTaxKey::MemoryRecall},
    {"cmdtaxp", MemoryTaxKey::TaxPlus},
    {"cmdtaxm", MemoryTaxKey::TaxMinus},
});

// What the log key shows in each of its modes.
QString logKeyCaption(LogKeyMode mode)
{
    switch (mode) {
    case LogKeyMode::NaturalLog:
        return "ln";
    case LogKeyMode::Log10:
        return "log";
    case LogKeyMode::AntiLog10:
        return "10ˣ";
    case LogKeyMode::AntiLogE:
        return "eˣ";
    }
    return "ln";
}

bool statisticsShown(const shell::MenuModel& menu)
{
    return menu.isChecked("mnustat");
}

} // namespace

SciWindow::SciWindow(shell::ui::ToolboxContext& context)
    : ToolboxWindow(shell::toolboxSpec(shell::Toolbox::Scientific), context.butler),
      m_context(context),
      m_statistics(std::make_unique<StatisticsPage>(context.session, context.science))
{
    setCloseHelp("Close the Toolbox.");
    m_window = buildControls(kWindowControls);
    m_keys = kit::buildControls(*m_window.widget("main_bg"), kScientificKeys, butler());
    m_barKeys = kit::buildControls(*m_keys.widget("EX_FR"), kBarKeys, butler());
    m_statisticsControls =
        kit::buildControls(*m_window.widget("stat_main"), kStatisticsControls, butler());
    for (const char* ring : {"cmd1", "cmd2"}) {
        QWidget* frame = m_window.widget(ring);
        frame->setAttribute(Qt::WA_TransparentForMouseEvents);
        frame->hide();
    }
    // The bar's own events: the double-click that closes it, the pointer that puts out the
    // rings; the pages' backgrounds are painted by the window.
    m_keys.widget("EX_FR")->installEventFilter(this);
    for (const char* pane : {"main_bg", "stat_main"})
        m_window.widget(pane)->installEventFilter(this);
    m_window.widget("main_bg")->setAttribute(Qt::WA_TranslucentBackground);
    closeButton().raise();

    m_list = m_statisticsControls.as<QListWidget>("lstnum");
    m_list->setFrameShape(QFrame::NoFrame);
    m_list->setFocusPolicy(Qt::ClickFocus);
    m_list->setStyleSheet(
        QString("QListWidget { background: transparent; color: %1; font-size: 10pt; }"
                " QListWidget::item { padding: 1px 6px; }"
                " QListWidget::item:selected { background: %2; color: %3; border-radius: 3px; }")
            .arg(art::palette::css(art::palette::text()),
                 art::palette::css(art::palette::accent()),
                 art::palette::css(art::palette::onAccent())));
    m_statisticsControls.widget("stattbh")->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* valuesLabel = m_statisticsControls.as<QLabel>("stat_lbl");
    kit::setTextStyle(*valuesLabel, art::palette::mutedText(), 8, true);
    valuesLabel->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    auto* count = m_statisticsControls.as<QLabel>("lblcount");
    kit::setTextStyle(*count, art::palette::mutedText(), 9);
    count->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_result = m_statisticsControls.as<QLabel>("lblNum");
    m_result->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_result->setTextInteractionFlags(Qt::TextSelectableByMouse);
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int index) {
        m_statistics->select(index < 0 ? std::nullopt
                                       : std::optional<std::size_t>(static_cast<std::size_t>(index)));
    });

    connect(m_window.button("tbb1"), &QAbstractButton::clicked, this, [this] { showPage(false); });
    connect(m_window.button("tbb2"), &QAbstractButton::clicked, this, [this] { showPage(true); });
    kit::SkinButton* indicator = m_window.button("AngSysM");
    connect(indicator, &QAbstractButton::pressed, this, [this, indicator] {
        // The menu's top-left corner 30 twips left of the indicator and 40 twips below it.
        const QRect at = indicator->geometry();
        m_context.popupMenu(shell::MenuPopup::AngularSystem,
                            mapToGlobal(QPoint(at.left() - twipsToPixels(30),
                                               at.bottom() + 1 + twipsToPixels(40))));
    });
    connectScientificKeys();
    connectBarKeys();
    connectStatisticsKeys();
    render();
}

SciWindow::~SciWindow() = default;

void SciWindow::connectScientificKeys()
{
    for (const kit::ControlSpec& spec : kScientificKeys) {
        kit::SkinButton* key = m_keys.button(spec.name);
        if (!key)
            continue; // the bar
        key->installEventFilter(this);
        if (const std::optional<ScientificKey> scientific = scientificKeyFromName(spec.name)) {
            connect(key, &QAbstractButton::clicked, this, [this, which = *scientific] {
                pressScientificKey(which, m_context.session, m_context.science);
                keyDone();
            });
        }
    }
    for (const StripKey& strip : kStripKeys) {
        QWidget* key = strip.mode == OperandMode::TaxRate ? m_barKeys.widget(strip.name)
                                                          : m_keys.widget(strip.name);
        connect(static_cast<QAbstractButton*>(key), &QAbstractButton::clicked, this,
                [this, mode = strip.mode] { m_context.openOperandStrip(mode); });
    }
    // The log key's other button shows the log menu instead.
    kit::SkinButton* log = m_keys.button("cmdLn");
    connect(log, &kit::SkinButton::otherButtonReleased, this, [this](Qt::MouseButton button) {
        if (button == Qt::RightButton)
            m_context.popupMenu(shell::MenuPopup::Log, QCursor::pos());
    });
    log->setContextMenuPolicy(Qt::PreventContextMenu);
}

void SciWindow::connectBarKeys()
{
    // M and Tax open, switch or close the bar on the release of any button.
    const auto barKey = [this](std::string_view name, void (MemoryTaxBar::*press)()) {
        kit::SkinButton* key = m_keys.button(name);
        key->setContextMenuPolicy(Qt::PreventContextMenu);
        const auto pressBar = [this, press] {
            (m_bar.*press)();
            render();
        };
        connect(key, &QAbstractButton::clicked, this, pressBar);
        connect(key, &kit::SkinButton::otherButtonReleased, this, pressBar);
    };
    barKey("cmdM", &MemoryTaxBar::pressMemoryBarKey);
    barKey("cmdTax", &MemoryTaxBar::pressTaxBarKey);
    for (const BarKey& operation : kBarOperations) {
        connect(m_barKeys.button(operation.name), &QAbstractButton::clicked, this,
                [this, key = operation.key] {
                    if (m_bar.press(key, m_context.session, m_context.science))
                        keyDone();
                });
    }
}

void SciWindow::connectStatisticsKeys()
{
    const auto onClick = [this](std::string_view name, auto action) {
        kit::SkinButton* key = m_statisticsControls.button(name);
        key->installEventFilter(this);
        connect(key, &QAbstractButton::clicked, this, [this, action] {
            action(*m_statistics);
            keyDone();
        });
    };
    onClick("cmdinsert", [](StatisticsPage& page) { page.insert(); });
    onClick("cmdrem", [](StatisticsPage& page) { page.removeSelected(); });
    onClick("cmdC", [](StatisticsPage& page) { page.clear(); });
    onClick("cmdsendf1", [](StatisticsPage& page) { page.sendPlus(); });
    onClick("cmdsendf2", [](StatisticsPage& page) { page.sendMinus(); });
    for (const SummaryKey& key : kSummaryKeys) {
        onClick(key.name,
                [summary = key.summary](StatisticsPage& page) { page.summarise(summary); });
    }
}

void SciWindow::keyDone()
{
    m_context.focusKeypad();
    emit commandDone();
    render();
}

void SciWindow::showPage(bool statistics)
{
    // The tabs go the menu's way, so that the marks follow the page; the tab of the page
    // shown does nothing.
    if (statistics != statisticsShown(m_context.menu))
        m_context.runMenuItem(statistics ? "mnustat" : "mnusci");
    render();
}

QWidget* SciWindow::shownHighlight() const
{
    for (const char* ring : {"cmd1", "cmd2"}) {
        if (!m_window.widget(ring)->isHidden())
            return m_window.widget(ring);
    }
    return nullptr;
}

void SciWindow::highlight(QWidget& key, QWidget& frame)
{
    // The ring is placed in the window, from the key's place on its page.
    const QPoint onPage = key.mapTo(this, QPoint(0, 0));
    const QRect place(onPage.x() - twipsToPixels(kRingLeftTwips),
                      onPage.y() - twipsToPixels(kPageTopTwips - kRingBelowTwips),
                      key.width() + 2 * twipsToPixels(kRingLeftTwips),
                      key.height() + 2 * twipsToPixels(kPageTopTwips - kRingBelowTwips));
    frame.setGeometry(place);
    frame.show();
}

void SciWindow::hideHighlights()
{
    m_window.widget("cmd1")->hide();
    m_window.widget("cmd2")->hide();
}

bool SciWindow::eventFilter(QObject* watched, QEvent* event)
{
    const bool pointerMoved = event->type() == QEvent::Enter || event->type() == QEvent::MouseMove;
    if (watched == m_keys.widget("EX_FR")) {
        if (event->type() == QEvent::MouseButtonDblClick) {
            m_bar.doubleClickBar();
            render();
            return true;
        }
        if (pointerMoved)
            hideHighlights();
        return false;
    }
    if (watched == m_window.widget("main_bg") || watched == m_window.widget("stat_main")) {
        // Between the keys no ring shows.
        if (pointerMoved)
            hideHighlights();
        return false;
    }
    auto* key = qobject_cast<kit::SkinButton*>(watched);
    if (!key)
        return ToolboxWindow::eventFilter(watched, event);
    // Only the help and the ring follow the pointer: no key flag, sound or focus changes.
    const bool statisticsKey = key->parentWidget() == m_window.widget("stat_main");
    QWidget& ring = *m_window.widget(statisticsKey ? "cmd2" : "cmd1");
    if (event->type() == QEvent::Enter)
        highlight(*key, ring);
    else if (event->type() == QEvent::Leave)
        ring.hide();
    return false;
}

void SciWindow::render()
{
    const shell::MenuModel& menu = m_context.menu;
    const bool statistics = statisticsShown(menu);
    m_window.widget("main_bg")->setVisible(!statistics);
    m_window.widget("stat_main")->setVisible(statistics);
    m_window.button("tbb1")->setChecked(!statistics);
    m_window.button("tbb2")->setChecked(statistics);
    if (QWidget* ring = shownHighlight(); ring && !ring->parentWidget()->isVisible())
        ring->hide();

    const core::AngularSystem system = m_context.session.angularSystem;
    kit::SkinButton* indicator = m_window.button("AngSysM");
    indicator->setText(qs(shell::angularSystemLabel(system)));
    indicator->setAccessibleName(indicator->text());

    kit::SkinButton* log = m_keys.button("cmdLn");
    log->setText(logKeyCaption(m_context.science.logKeyMode));

    m_keys.widget("EX_FR")->setVisible(m_bar.barShown());
    for (std::string_view name : kMemoryKeys)
        m_barKeys.widget(name)->setVisible(m_bar.memoryKeysShown());
    for (std::string_view name : kTaxKeys)
        m_barKeys.widget(name)->setVisible(m_bar.taxKeysShown());
    renderStatistics();
    update();
}

void SciWindow::renderStatistics()
{
    // Every command of the program renders the window; the list is filled again only when its
    // items changed.
    const std::vector<std::string>& items = m_statistics->items();
    if (items != m_listed) {
        const QSignalBlocker blocker(m_list);
        m_list->clear();
        for (const std::string& item : items)
            m_list->addItem(QString::fromStdString(item));
        m_listed = items;
    }
    const std::optional<std::size_t> selected = m_statistics->selection();
    const int row = selected ? static_cast<int>(*selected) : -1;
    if (m_list->currentRow() != row) {
        const QSignalBlocker blocker(m_list);
        m_list->setCurrentRow(row);
    }
    m_statisticsControls.as<QLabel>("lblcount")->setText(qs(m_statistics->countText()));
    m_statisticsControls.widget("stattbh")->setVisible(m_statistics->emptyHintShown());

    const core::FontStep step = m_statistics->resultFont();
    m_result->setText(QString::fromStdString(m_statistics->resultText()));
    kit::setTextStyle(*m_result, art::displayColour(), step.points);
    // Seventeen digits fit at 15 points in the narrower cut of the face.
    QFont font = m_result->font();
    font.setStretch(QFont::Condensed);
    m_result->setFont(font);
    // The label is centred on the middle of its background whatever its size.
    constexpr int kMiddleTwips = 340;
    m_result->setGeometry(platform::twipsRect(
        {1930, step.topTwips, 2720, 2 * (kMiddleTwips - step.topTwips)}));
}

void SciWindow::aboutToUnload()
{
    // The list goes back to the program's keeping list now, before a new window can load.
    m_statistics->unload();
}

void SciWindow::paintEvent(QPaintEvent* event)
{
    ToolboxWindow::paintEvent(event);
    QPainter painter(this);
    const auto paneOf = [this](QWidget* widget) {
        return QRectF(widget->mapTo(this, QPoint(0, 0)), widget->size());
    };
    if (m_window.widget("stat_main")->isVisible()) {
        art::paintPane(painter, paneOf(m_statisticsControls.widget("stat_table")), true);
        art::paintPane(painter, paneOf(m_statisticsControls.widget("lblnum_bg")), true);
    }
    if (m_keys.widget("EX_FR")->isVisible())
        art::paintPane(painter, paneOf(m_keys.widget("EX_FR")), false);
}

} // namespace nuvra::sci::ui
