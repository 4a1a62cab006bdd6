#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace nuvra::kit {

// The one entry point of every hover handler: the help sentence for the Butler bar, and the
// shell's tooltip window for the controls that have one. The bar and the tooltip window
// connect to the signals; the last help text waits here for a bar created later.
class ButlerChannel : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    void ShowButlerText(const QString& text)
    {
        if (text == m_last)
            return;
        m_last = text;
        emit textShown(text);
    }
    const QString& lastText() const { return m_last; }

    void ShowTooltip(QWidget& control, const QString& text)
    {
        emit tooltipRequested(&control, text);
    }
    void HideTooltip() { emit tooltipHidden(); }

signals:
    void textShown(const QString& text);
    void tooltipRequested(QWidget* control, const QString& text);
    void tooltipHidden();

private:
    QString m_last;
};

} // namespace nuvra::kit
