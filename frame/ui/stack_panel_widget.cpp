#include "frame/ui/stack_panel_widget.h"

#include "art/skin.h"
#include "core/hover_texts.h"
#include "core/ui/butler_channel.h"
#include "platform/desktop/twips_geometry.h"
#include "platform/twips.h"

#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>

namespace nuvra::frame::ui {

using platform::twipsRect;
using platform::twipsToPixels;

namespace {

// Panel coordinates: the panel starts at the frame's 2910 twips; the highlight rests at 3000.
constexpr int kPanelLeftTwips = 2910;
constexpr int kHighlightRestLeftTwips = 3000 - kPanelLeftTwips;

struct CommandSpec {
    StackCommand command;
    const char* name;
    art::StackGlyph glyph;
    int left;
};

constexpr std::array<CommandSpec, 3> kCommands{{
    {StackCommand::Roll, "rpnh1", art::StackGlyph::Roll, 330},
    {StackCommand::Swap, "rpnh2", art::StackGlyph::Swap, 840},
    {StackCommand::Drop, "rpnh3", art::StackGlyph::Drop, 1350},
}};

} // namespace

class StackCommandButton : public QWidget {
public:
    StackCommandButton(const CommandSpec& spec, QWidget* parent)
        : QWidget(parent), m_spec(spec)
    {
        setObjectName(spec.name);
        setAttribute(Qt::WA_Hover);
        setMouseTracking(true);
        setCursor(Qt::PointingHandCursor);
        setGeometry(twipsRect(spec.left, 90, 420, 330));
    }
    StackCommand command() const { return m_spec.command; }
    void setLit(bool lit)
    {
        if (lit != m_lit) {
            m_lit = lit;
            update();
        }
    }
    std::function<void()> onHover;
    std::function<void()> onRelease;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        art::paintStackCommand(painter, rect(), m_spec.glyph, m_lit);
    }
    void enterEvent(QEnterEvent*) override
    {
        if (onHover)
            onHover();
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (rect().contains(event->position().toPoint()) && onRelease)
            onRelease();
    }

private:
    CommandSpec m_spec;
    bool m_lit = false;
};

StackPanelWidget::StackPanelWidget(core::Session& session, RpnPanel& panel, KeyMap& keys,
                                   core::ui::ButlerChannel& butler, QWidget* parent)
    : QWidget(parent), m_session(session), m_panel(panel), m_keys(keys), m_butler(butler)
{
    setObjectName("RPN_Panel");
    setMouseTracking(true);

    auto* strip = new QWidget(this);
    strip->setObjectName("RPN_box");
    strip->setGeometry(twipsRect(0, 0, 1860, 510));
    strip->setAttribute(Qt::WA_TransparentForMouseEvents);

    m_highlight = new QWidget(this);
    m_highlight->setObjectName("RPN_box_hlght");
    m_highlight->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_highlight->setStyleSheet("background: #4fa8f0; border-radius: 1px;");
    m_highlight->setGeometry(twipsRect(kHighlightRestLeftTwips, 450, 150, 30));

    for (std::size_t i = 0; i < kCommands.size(); ++i) {
        auto* button = new StackCommandButton(kCommands[i], this);
        const StackCommand command = kCommands[i].command;
        button->onHover = [this, command, name = QString(kCommands[i].name)] {
            m_panel.light(command);
            m_butler.ShowButlerText(QString::fromUtf8(core::hoverText(name.toStdString()).data()));
            refresh();
        };
        button->onRelease = [this, command] { runCommand(command); };
        m_commands[i] = button;
    }

    m_list = new QListWidget(this);
    m_list->setObjectName("RPNList_2");
    m_list->setGeometry(twipsRect(60, 540, 1740, 2580));
    m_list->setFrameShape(QFrame::NoFrame);
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    m_list->setStyleSheet("QListWidget { background: transparent; color: #e8ecf1; }"
                          "QListWidget::item { padding: 1px 4px; }");
    m_list->setMouseTracking(true);
    m_list->viewport()->setMouseTracking(true);

    m_empty = new QWidget(this);
    m_empty->setObjectName("RPN_Empty");
    m_empty->setGeometry(m_list->geometry());
    m_empty->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* emptyLabel = new QLabel("STACK EMPTY", m_empty);
    emptyLabel->setObjectName("RPN_Emp_lbl");
    emptyLabel->setAlignment(Qt::AlignCenter);
    emptyLabel->setGeometry(0, 0, m_empty->width(), twipsToPixels(900));
    emptyLabel->setStyleSheet("color: #6c7582; font-size: 8pt; font-weight: bold;");

    refresh();
}

void StackPanelWidget::runCommand(StackCommand command)
{
    RpnEngine& rpn = m_keys.rpn();
    switch (command) {
    case StackCommand::Roll:
        rpn.RpnRoll();
        break;
    case StackCommand::Swap:
        rpn.RpnSwap();
        break;
    case StackCommand::Drop:
        rpn.RpnDrop();
        break;
    case StackCommand::None:
        break;
    }
    refresh();
    emit commandDone();
}

void StackPanelWidget::refresh()
{
    const StackPanelView view = RefreshStackPanel(m_session.stack);
    while (m_list->count() > static_cast<int>(view.rows.size()))
        delete m_list->takeItem(m_list->count() - 1);
    for (std::size_t i = 0; i < view.rows.size(); ++i) {
        const QString row = QString::fromStdString(view.rows[i]).replace('\t', "   ");
        if (static_cast<int>(i) < m_list->count()) {
            if (m_list->item(static_cast<int>(i))->text() != row)
                m_list->item(static_cast<int>(i))->setText(row);
        } else {
            m_list->addItem(row);
        }
    }
    m_list->setVisible(!view.showEmptyLabel);
    m_empty->setVisible(view.showEmptyLabel);

    const StackCommand lit = m_panel.litCommand();
    int highlightLeft = kHighlightRestLeftTwips;
    int highlightWidth = 150;
    for (StackCommandButton* button : m_commands) {
        button->setLit(button->command() == lit);
        if (button->command() == lit) {
            highlightLeft = platform::pixelsToTwips(button->x());
            highlightWidth = platform::pixelsToTwips(button->width());
        }
    }
    m_highlight->setGeometry(twipsRect(highlightLeft, 450, highlightWidth, 30));
}

void StackPanelWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    art::paintStackPanel(painter, QRectF(rect()).adjusted(0, twipsToPixels(510), 0, 0));
}

void StackPanelWidget::mouseMoveEvent(QMouseEvent*)
{
    m_butler.ShowButlerText(QString::fromUtf8(core::hoverText("RPN_Panel").data()));
    if (m_panel.litCommand() != StackCommand::None) {
        m_panel.rest();
        refresh();
    }
}

void StackPanelWidget::mouseReleaseEvent(QMouseEvent*)
{
    emit backgroundReleased();
}

} // namespace nuvra::frame::ui
