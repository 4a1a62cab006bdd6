#include "platform/desktop/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>

namespace nuvra::platform {

std::optional<std::string> QtClipboard::text() const
{
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return std::nullopt;
    return clipboard->text().toStdString();
}

bool QtClipboard::clear()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return false;
    clipboard->clear();
    return true;
}

bool QtClipboard::setText(std::string_view text)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return false;
    clipboard->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    return true;
}

bool QtClipboard::setImage(const QImage& image)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return false;
    clipboard->setImage(image);
    return true;
}

} // namespace nuvra::platform
