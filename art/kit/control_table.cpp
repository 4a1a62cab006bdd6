#include "art/kit/control_table.h"

#include "art/kit/butler_channel.h"
#include "art/kit/skin_button.h"
#include "platform/desktop/twips_geometry.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QEnterEvent>
#include <QEvent>
#include <QMouseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPointer>
#include <QStyleHints>
#include <QTimer>

namespace nuvra::kit {

namespace {

// Shows a control's help while the pointer enters or moves over it; the widget owns it.
class HoverHelp : public QObject {
public:
    HoverHelp(QWidget& widget, QString text, ButlerChannel& butler, QString tooltip)
        : QObject(&widget), m_text(std::move(text)), m_tooltip(std::move(tooltip)),
          m_butler(&butler)
    {
        widget.setMouseTracking(true);
        widget.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = static_cast<QWidget*>(watched);
        // A tooltip goes with the pointer that leaves its control (or the control that hides
        // under it), so it never stays over other controls and takes their clicks.
        if (event->type() == QEvent::Leave && !m_tooltip.isEmpty() && m_butler) {
            m_butler->HideTooltip();
            return false;
        }
        QPointF position;
        if (event->type() == QEvent::Enter)
            position = static_cast<QEnterEvent*>(event)->position();
        else if (event->type() == QEvent::MouseMove)
            position = static_cast<QMouseEvent*>(event)->position();
        else
            return false;
        // Over a child the child speaks for itself; its moves may still reach the parent.
        if (widget->childAt(position.toPoint()))
            return false;
        if (m_butler) {
            if (!m_text.isEmpty())
                m_butler->ShowButlerText(m_text);
            if (!m_tooltip.isEmpty())
                m_butler->ShowTooltip(*widget, m_tooltip);
        }
        return false;
    }

private:
    QString m_text;
    QString m_tooltip;
    QPointer<ButlerChannel> m_butler;
};

// The caret of a field blinks while the user works in it and stands still five seconds after
// the last key or click, as desktop toolkits do and as readers who find blinking hard need; a
// program left alone then does no work at all, whichever field holds the keyboard.
class CaretBlink : public QObject {
public:
    explicit CaretBlink(QLineEdit& field) : QObject(&field)
    {
        m_still.setSingleShot(true);
        m_still.setInterval(kBlinkMs);
        connect(&m_still, &QTimer::timeout, this, [] { QApplication::setCursorFlashTime(0); });
        // Typing moves the caret, whichever filter of the window takes the key itself.
        connect(&field, &QLineEdit::cursorPositionChanged, this, &CaretBlink::blink);
        field.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::MouseButtonPress)
            blink();
        return false;
    }

private:
    void blink()
    {
        QApplication::setCursorFlashTime(desktopFlashTime());
        m_still.start();
    }

    static constexpr int kBlinkMs = 5000;
    // The desktop's own period, read before any field stilled its caret.
    static int desktopFlashTime()
    {
        static const int period = QGuiApplication::styleHints()->cursorFlashTime();
        return period;
    }

    QTimer m_still;
};

// A state picture; to assistive technology a label with the picture's spoken name.
class PictureLabel : public QLabel {
public:
    PictureLabel(art::Picture picture, QWidget* parent) : QLabel(parent), m_picture(picture) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        art::paintPicture(painter, rect(), m_picture, text(), {});
    }

private:
    art::Picture m_picture;
};

// A page tab: a skinned button that only the accessibility factory tells apart.
class SkinTab : public SkinButton {
    Q_OBJECT
public:
    using SkinButton::SkinButton;
};

// Listeners hear a page tab, selected while its page shows, and can press it.
class AccessibleTab : public QAccessibleWidget {
public:
    explicit AccessibleTab(SkinTab* tab) : QAccessibleWidget(tab, QAccessible::PageTab) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return tab()->text();
        return QAccessibleWidget::text(kind);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = tab()->isChecked();
        state.selected = tab()->isChecked();
        state.selectable = true;
        return state;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override
    {
        if (name == pressAction() && tab()->isEnabled())
            tab()->click();
    }

private:
    SkinTab* tab() const { return static_cast<SkinTab*>(widget()); }
};

QAccessibleInterface* accessibleTab(const QString& className, QObject* object)
{
    if (className == QLatin1String("nuvra::kit::SkinTab") && object && object->isWidgetType())
        return new AccessibleTab(static_cast<SkinTab*>(object));
    return nullptr;
}

QWidget* makeWidget(QWidget& parent, const ControlSpec& spec)
{
    switch (spec.kind) {
    case ControlKind::Tab: {
        // Installed with the first tab, before any interface of one is asked for.
        static const bool factoryInstalled = (QAccessible::installFactory(accessibleTab), true);
        Q_UNUSED(factoryInstalled);
        auto* tab = new SkinTab(spec.picture, &parent);
        tab->setCheckable(true);
        tab->setText(qs(spec.caption));
        return tab;
    }
    case ControlKind::Button:
    case ControlKind::CheckBox: {
        auto* button = new SkinButton(spec.picture, &parent);
        button->setCheckable(spec.kind == ControlKind::CheckBox);
        button->setText(qs(spec.caption));
        return button;
    }
    case ControlKind::Label:
        return new QLabel(qs(spec.caption), &parent);
    case ControlKind::Field: {
        auto* field = new QLineEdit(qs(spec.caption), &parent);
        field->setFrame(false);
        new CaretBlink(*field);
        return field;
    }
    case ControlKind::List:
        return new QListWidget(&parent);
    case ControlKind::Panel:
        return new QWidget(&parent);
    case ControlKind::Picture: {
        auto* picture = new PictureLabel(spec.picture, &parent);
        picture->setText(qs(spec.caption));
        return picture;
    }
    }
    return new QWidget(&parent);
}

} // namespace

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QWidget* Controls::widget(std::string_view name) const
{
    const auto found = m_widgets.find(name);
    Q_ASSERT(found != m_widgets.end());
    return found == m_widgets.end() ? nullptr : found->second;
}

SkinButton* Controls::button(std::string_view name) const
{
    return qobject_cast<SkinButton*>(widget(name));
}

void setTextStyle(QWidget& widget, const QColor& colour, qreal pointSize, bool bold)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget.setPalette(palette);
    QFont font = widget.font();
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    widget.setFont(font);
}

void addHoverHelp(QWidget& widget, const QString& text, ButlerChannel& butler,
                  const QString& tooltip)
{
    // A list's pointer events go to its viewport.
    if (auto* scrollArea = qobject_cast<QAbstractScrollArea*>(&widget))
        new HoverHelp(*scrollArea->viewport(), text, butler, tooltip);
    else
        new HoverHelp(widget, text, butler, tooltip);
}

Controls buildControls(QWidget& parent, std::span<const ControlSpec> table, ButlerChannel& butler)
{
    Controls controls;
    for (const ControlSpec& spec : table) {
        QWidget* widget = makeWidget(parent, spec);
        widget->setObjectName(qs(spec.name));
        if (auto* button = qobject_cast<SkinButton*>(widget))
            button->place(spec.rect);
        else
            widget->setGeometry(platform::twipsRect(spec.rect));
        if (!spec.spokenName.empty())
            widget->setAccessibleName(qs(spec.spokenName));
        widget->setAccessibleDescription(qs(spec.hover));
        if (!spec.hover.empty() || !spec.tooltip.empty())
            addHoverHelp(*widget, qs(spec.hover), butler, qs(spec.tooltip));
        controls.m_widgets[spec.name] = widget;
    }
    return controls;
}

} // namespace nuvra::kit

#include "control_table.moc"
