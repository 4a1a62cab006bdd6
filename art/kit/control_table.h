#pragma once

#include "art/skin.h"
#include "platform/twips.h"

#include <QColor>
#include <QString>

#include <map>
#include <span>
#include <string_view>

class QWidget;

namespace nuvra::kit {

class ButlerChannel;
class SkinButton;

enum class ControlKind {
    Button,   // a SkinButton
    CheckBox, // a checkable SkinButton
    Tab,      // a page tab: a checkable SkinButton that listeners hear as a tab
    Label,    // text a listener reads (QLabel)
    Field,    // a one-line entry (QLineEdit)
    List,     // a list of lines (QListWidget)
    Panel,    // a painted area with hover help only
    Picture,  // a picture that tells a state (a label named by its spoken name)
};

// One control of a window as its table declares it.
struct ControlSpec {
    std::string_view name; // objectName
    ControlKind kind;
    platform::TwipsRect rect;
    std::string_view caption; // what the control shows
    // What a listener hears for a control that shows no text ("Close").
    std::string_view spokenName;
    // The help sentence for the Butler bar, also the accessible description.
    std::string_view hover;
    // Shown by the tooltip window while the pointer is over the control.
    std::string_view tooltip;
    art::Picture picture = art::Picture::None;
};

// The controls built from a table, found by name.
class Controls {
public:
    QWidget* widget(std::string_view name) const;
    SkinButton* button(std::string_view name) const;
    template <typename T>
    T* as(std::string_view name) const
    {
        return static_cast<T*>(widget(name));
    }

private:
    friend Controls buildControls(QWidget&, std::span<const ControlSpec>, ButlerChannel&);
    std::map<std::string_view, QWidget*> m_widgets;
};

// Builds every control of the table on the parent: its objectName, its place (through the one
// twips conversion), its text, accessible name and description, its picture, and its hover
// help (the Butler text and the tooltip). The window connects what the controls do.
Controls buildControls(QWidget& parent, std::span<const ControlSpec> table,
                       ButlerChannel& butler);

// Gives a widget the hover help of a control that is not built from a table.
void addHoverHelp(QWidget& widget, const QString& text, ButlerChannel& butler,
                  const QString& tooltip = {});

QString qs(std::string_view text);

// The colour and font of a widget's text, without a style sheet (which costs at start-up).
void setTextStyle(QWidget& widget, const QColor& colour, qreal pointSize, bool bold = false);

} // namespace nuvra::kit
