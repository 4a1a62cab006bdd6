#pragma once

#include <QObject>
#include <QString>

namespace nuvra::core::ui {

// The one entry point of every hover handler: the help sentence for the Butler bar. Until the
// bar exists nothing shows the texts; the bar connects to textShown.
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

signals:
    void textShown(const QString& text);

private:
    QString m_last;
};

} // namespace nuvra::core::ui
