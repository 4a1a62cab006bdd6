#include "frame/ui/stack_panel_widget.h"

#include "art/kit/butler_channel.h"
#include "art/kit/control_table.h"
#include "art/kit/skin_button.h"
#include "art/palette.h"
#include "art/skin.h"
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

constexpr std::string_view kPanelText = "View the values in the stack.";

using kit::ControlKind;
using Pic = art::Picture;

// The roll, swap and drop commands over the stack; the one under the pointer is lit.
constexpr std::array<kit::ControlSpec, 3> kCommands{{
    {"rpnh1", ControlKind::Button, {330, 90, 420, 330}, "", "Roll",
     "Roll values from within the stack (Shift+Q).", "", Pic::StackRoll},
    {"rpnh2", ControlKind::Button, {840, 90, 420, 330}, "", "Swap",
     "Swap the X (Display) value with the Y value. (Shift+A)", "", Pic::StackSwap},
    {"rpnh3", ControlKind::Button, {1350, 90, 420, 330}, "", "Drop",
     "Drop the X (Display) value and shift the stack down. (Shift+Z)", "", Pic::StackDrop},
}};
constexpr std::array<StackCommand, 3> kCommandOf{StackCommand::Roll, StackCommand::Swap,
                                                 StackCommand::Drop};

} // namespace

StackPanelWidget::StackPanelWidget(core::Session& session, RpnPanel& panel, KeyMap& keys,
                                   kit::ButlerChannel& butler, QWidget* parent)
    : QWidget(parent), m_session(session), m_panel(panel), m_keys(keys), m_butler(butler)
{
    setObjectName("RPN_Panel");
    setAccessibleName("Stack");
    setAccessibleDescription(kit::qs(kPanelText));
    kit::addHoverHelp(*this, kit::qs(kPanelText), m_butler);

    auto* strip = new QWidget(this);
    strip->setObjectName("RPN_box");
    strip->setGeometry(twipsRect(0, 0, 1860, 510));
    strip->setAttribute(Qt::WA_TransparentForMouseEvents);

    m_highlight = new QWidget(this);
    m_highlight->setObjectName("RPN_box_hlght");
    m_highlight->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette accent = m_highlight->palette();
    accent.setColor(QPalette::Window, art::palette::accent());
    m_highlight->setPalette(accent);
    m_highlight->setAutoFillBackground(true);
    m_highlight->setGeometry(twipsRect(kHighlightRestLeftTwips, 450, 150, 30));

    const kit::Controls commands = kit::buildControls(*this, kCommands, m_butler);
    for (std::size_t i = 0; i < kCommands.size(); ++i) {
        kit::SkinButton* button = commands.button(kCommands[i].name);
        const StackCommand command = kCommandOf[i];
        connect(button, &kit::SkinButton::hovered, this, [this, command] {
            m_panel.light(command);
            refresh();
        });
        connect(button, &kit::SkinButton::clicked, this, [this, command] { runCommand(command); });
        m_commands[i] = button;
    }

    m_list = new QListWidget(this);
    m_list->setObjectName("RPNList_2");
    m_list->setGeometry(twipsRect(60, 540, 1740, 2580));
    m_list->setFrameShape(QFrame::NoFrame);
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    m_list->setAccessibleDescription(kit::qs(kPanelText));
    kit::addHoverHelp(*m_list, kit::qs(kPanelText), m_butler);
    QPalette rows = m_list->palette();
    rows.setColor(QPalette::Base, Qt::transparent);
    m_list->setPalette(rows);
    kit::setTextStyle(*m_list, art::palette::text(), m_list->font().pointSizeF());
    m_list->setSpacing(1);
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
    kit::setTextStyle(*emptyLabel, art::palette::faintText(), 8, true);

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
    for (std::size_t i = 0; i < m_commands.size(); ++i) {
        kit::SkinButton* button = m_commands[i];
        button->setLit(kCommandOf[i] == lit);
        if (kCommandOf[i] == lit) {
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
