#include "art/skin.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>

namespace nuvra::art {
namespace {

const QColor kBody(0x1d, 0x20, 0x26);
const QColor kBodyEdge(0x34, 0x39, 0x43);
const QColor kTitle(0x25, 0x29, 0x31);
const QColor kDisplayBack(0x0d, 0x10, 0x14);
const QColor kLabel(0xe8, 0xec, 0xf1);

QColor keyFace(KeyStyle style)
{
    switch (style) {
    case KeyStyle::Digit:
        return QColor(0x30, 0x35, 0x3e);
    case KeyStyle::Operator:
        return QColor(0x3b, 0x47, 0x59);
    case KeyStyle::Equals:
        return QColor(79, 168, 240);
    case KeyStyle::Cancel:
        return QColor(0xc8, 0x6a, 0x1c);
    case KeyStyle::Function:
        return QColor(0x28, 0x2c, 0x34);
    }
    return QColor(0x30, 0x35, 0x3e);
}

QPainterPath rounded(const QRectF& rect, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

} // namespace

QColor displayColour()
{
    return QColor(79, 168, 240);
}

QColor errorColour()
{
    return QColor(255, 128, 0);
}

void paintFrameBody(QPainter& painter, const QRectF& body, qreal titleBarHeight)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal radius = 9.0;
    const QPainterPath outline = rounded(body.adjusted(0.5, 0.5, -0.5, -0.5), radius);
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0.0, kBody.lighter(112));
    fill.setColorAt(1.0, kBody);
    painter.fillPath(outline, fill);
    painter.setClipPath(outline);
    painter.fillRect(QRectF(body.left(), body.top(), body.width(), titleBarHeight), kTitle);
    painter.setClipping(false);
    painter.setPen(QPen(kBodyEdge, 1.0));
    painter.drawPath(outline);
    painter.restore();
}

void paintTitleButton(QPainter& painter, const QRectF& rect, TitleButton kind, bool hovered)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF c = rect.center();
    const qreal r = std::min(rect.width(), rect.height()) * 0.32;
    QColor ink = hovered ? kLabel : QColor(0x9a, 0xa3, 0xb0);
    if (hovered && kind == TitleButton::Close)
        painter.setBrush(QColor(0xd0, 0x4a, 0x3c));
    else if (hovered)
        painter.setBrush(QColor(0x3a, 0x40, 0x4b));
    else
        painter.setBrush(Qt::NoBrush);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(c, r * 1.5, r * 1.5);
    painter.setPen(QPen(ink, std::max<qreal>(1.2, r * 0.35), Qt::SolidLine, Qt::RoundCap));
    switch (kind) {
    case TitleButton::Close:
        painter.drawLine(c + QPointF(-r, -r) * 0.7, c + QPointF(r, r) * 0.7);
        painter.drawLine(c + QPointF(-r, r) * 0.7, c + QPointF(r, -r) * 0.7);
        break;
    case TitleButton::Minimise:
        painter.drawLine(c + QPointF(-r * 0.8, r * 0.5), c + QPointF(r * 0.8, r * 0.5));
        break;
    case TitleButton::Menu:
        for (int i = -1; i <= 1; ++i)
            painter.drawLine(c + QPointF(-r * 0.8, i * r * 0.6), c + QPointF(r * 0.8, i * r * 0.6));
        break;
    }
    painter.restore();
}

void paintKey(QPainter& painter, const QRectF& rect, KeyStyle style, const QString& label,
              bool pressed, bool hovered)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal radius = std::min(rect.width(), rect.height()) * 0.28;
    const QRectF face = rect.adjusted(1, 1, -1, -1);
    QColor base = keyFace(style);
    if (hovered && !pressed)
        base = base.lighter(115);
    if (pressed)
        base = base.darker(130);
    // A soft shadow under a resting key; a pressed key sits flat in it.
    if (!pressed)
        painter.fillPath(rounded(face.translated(0, 1.2), radius), QColor(0, 0, 0, 110));
    QLinearGradient fill(face.topLeft(), face.bottomLeft());
    fill.setColorAt(0.0, pressed ? base : base.lighter(118));
    fill.setColorAt(1.0, pressed ? base.lighter(108) : base);
    painter.fillPath(rounded(face, radius), fill);
    painter.setPen(QPen(QColor(255, 255, 255, pressed ? 10 : 28), 1.0));
    painter.drawPath(rounded(face.adjusted(0.5, 0.5, -0.5, -0.5), radius));

    QFont font = painter.font();
    font.setPixelSize(static_cast<int>(std::round(std::min(face.height() * 0.5, face.width() * 0.42))));
    if (label.size() > 2) {
        // Word labels ("ENTER") are fitted to the key's width.
        const qreal fitted = face.width() / (label.size() * 0.76);
        font.setPixelSize(std::max(6, static_cast<int>(std::round(std::min(fitted, face.height() * 0.3)))));
    }
    font.setBold(style != KeyStyle::Digit);
    painter.setFont(font);
    painter.setPen(style == KeyStyle::Equals ? QColor(0x0b, 0x1a, 0x2b) : kLabel);
    painter.drawText(face, Qt::AlignCenter, label);
    painter.restore();
}

void paintDisplay(QPainter& painter, const QRectF& rect)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QPainterPath path = rounded(rect, 6.0);
    QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
    fill.setColorAt(0.0, kDisplayBack);
    fill.setColorAt(1.0, kDisplayBack.lighter(125));
    painter.fillPath(path, fill);
    painter.setPen(QPen(QColor(0, 0, 0, 160), 1.0));
    painter.drawPath(path);
    painter.restore();
}

void paintStrip(QPainter& painter, const QRectF& rect)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(rounded(rect, 5.0), QColor(0x2a, 0x2f, 0x38, 245));
    painter.setPen(QPen(QColor(79, 168, 240, 140), 1.0));
    painter.drawPath(rounded(rect.adjusted(0.5, 0.5, -0.5, -0.5), 5.0));
    painter.restore();
}

void paintUnderline(QPainter& painter, const QRectF& rect)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(rounded(rect, rect.height() / 2), displayColour());
    painter.restore();
}

void paintStackPanel(QPainter& painter, const QRectF& rect)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(rounded(rect, 6.0), kDisplayBack);
    painter.restore();
}

void paintStackCommand(QPainter& painter, const QRectF& rect, StackGlyph glyph, bool lit)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (lit)
        painter.fillPath(rounded(rect, 4.0), QColor(79, 168, 240, 70));
    const QPointF c = rect.center();
    const qreal r = std::min(rect.width(), rect.height()) * 0.3;
    painter.setPen(QPen(lit ? displayColour() : QColor(0xb4, 0xbc, 0xc8), 1.4, Qt::SolidLine,
                        Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    switch (glyph) {
    case StackGlyph::Roll: {
        painter.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 40 * 16, 280 * 16);
        const QPointF tip(c.x() + r * std::cos(0.7), c.y() - r * std::sin(0.7));
        painter.drawLine(tip, tip + QPointF(-r * 0.55, -r * 0.1));
        painter.drawLine(tip, tip + QPointF(0, -r * 0.55));
        break;
    }
    case StackGlyph::Swap:
        painter.drawLine(c + QPointF(-r, -r * 0.4), c + QPointF(r, -r * 0.4));
        painter.drawLine(c + QPointF(r, -r * 0.4), c + QPointF(r * 0.5, -r * 0.8));
        painter.drawLine(c + QPointF(r, r * 0.4), c + QPointF(-r, r * 0.4));
        painter.drawLine(c + QPointF(-r, r * 0.4), c + QPointF(-r * 0.5, r * 0.8));
        break;
    case StackGlyph::Drop:
        painter.drawLine(c + QPointF(0, -r), c + QPointF(0, r * 0.6));
        painter.drawLine(c + QPointF(0, r * 0.6), c + QPointF(-r * 0.5, r * 0.1));
        painter.drawLine(c + QPointF(0, r * 0.6), c + QPointF(r * 0.5, r * 0.1));
        painter.drawLine(c + QPointF(-r, r), c + QPointF(r, r));
        break;
    }
    painter.restore();
}

void paintGear(QPainter& painter, const QRectF& rect, bool hovered)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF c = rect.center();
    const qreal r = std::min(rect.width(), rect.height()) * 0.42;
    QPainterPath gear;
    constexpr int kTeeth = 8;
    for (int i = 0; i < kTeeth * 2; ++i) {
        const qreal angle = i * M_PI / kTeeth;
        const qreal radius = (i % 2 == 0) ? r : r * 0.72;
        const QPointF p(c.x() + radius * std::cos(angle), c.y() + radius * std::sin(angle));
        if (i == 0)
            gear.moveTo(p);
        else
            gear.lineTo(p);
    }
    gear.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(c, r * 0.32, r * 0.32);
    painter.fillPath(gear.subtracted(hole), hovered ? displayColour() : QColor(0x7d, 0x86, 0x93));
    painter.restore();
}

void paintPin(QPainter& painter, const QRectF& rect, bool checked)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF c = rect.center();
    const qreal r = std::min(rect.width(), rect.height()) * 0.36;
    const QColor ink = checked ? displayColour() : QColor(0x7d, 0x86, 0x93);
    painter.setPen(QPen(ink, 1.3, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(checked ? ink : Qt::transparent);
    painter.drawEllipse(QPointF(c.x(), c.y() - r * 0.35), r * 0.55, r * 0.55);
    painter.drawLine(QPointF(c.x(), c.y() + r * 0.2), QPointF(c.x(), c.y() + r));
    painter.restore();
}

void paintPopup(QPainter& painter, const QRectF& rect, PopupPicture picture)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(rounded(rect.adjusted(1, 1, -1, -1), 14.0), QColor(0x1d, 0x20, 0x26, 240));
    painter.setPen(QPen(QColor(79, 168, 240, 120), 1.2));
    painter.drawPath(rounded(rect.adjusted(1.5, 1.5, -1.5, -1.5), 14.0));
    const QRectF top(rect.left(), rect.top() + rect.height() * 0.12, rect.width(),
                     rect.height() * 0.5);
    QFont font = painter.font();
    font.setBold(true);
    switch (picture) {
    case PopupPicture::Copy: {
        // Two sheets, the front one carrying lines of text.
        const qreal w = top.height() * 0.45;
        const QRectF back(top.center().x() - w * 0.35, top.top() + top.height() * 0.12, w, w * 1.2);
        const QRectF front = back.translated(-w * 0.3, w * 0.25);
        painter.setPen(QPen(QColor(0x9a, 0xa3, 0xb0), 1.6));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(back, 3, 3);
        painter.setBrush(QColor(0x1d, 0x20, 0x26));
        painter.setPen(QPen(displayColour(), 1.8));
        painter.drawRoundedRect(front, 3, 3);
        for (int i = 1; i <= 3; ++i) {
            const qreal y = front.top() + front.height() * i / 4.5;
            painter.drawLine(QPointF(front.left() + w * 0.2, y), QPointF(front.right() - w * 0.2, y));
        }
        font.setPixelSize(static_cast<int>(rect.height() * 0.13));
        painter.setFont(font);
        painter.setPen(QColor(0xe8, 0xec, 0xf1));
        painter.drawText(QRectF(rect.left(), top.bottom(), rect.width(), rect.height() * 0.3),
                         Qt::AlignCenter, "Copied");
        break;
    }
    case PopupPicture::AltR:
    case PopupPicture::ShiftR: {
        const QString keys = picture == PopupPicture::AltR ? "Alt + R" : "Ctrl + Shift + R";
        font.setPixelSize(static_cast<int>(rect.height() * (picture == PopupPicture::AltR ? 0.2 : 0.13)));
        painter.setFont(font);
        painter.setPen(displayColour());
        painter.drawText(top, Qt::AlignCenter, keys);
        font.setPixelSize(static_cast<int>(rect.height() * 0.09));
        font.setBold(false);
        painter.setFont(font);
        painter.setPen(QColor(0xb4, 0xbc, 0xc8));
        painter.drawText(QRectF(rect.left(), top.bottom(), rect.width(), rect.height() * 0.3),
                         Qt::AlignCenter,
                         picture == PopupPicture::AltR ? "Hide or bring back Nuvra" : "Bring back Nuvra");
        break;
    }
    case PopupPicture::Shortcut:
    case PopupPicture::Plain:
        break;
    }
    painter.restore();
}

void paintTooltip(QPainter& painter, const QRectF& rect)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(rounded(rect.adjusted(0.5, 0.5, -0.5, -0.5), rect.height() / 2.4),
                     QColor(0x2a, 0x2f, 0x38));
    painter.restore();
}

QIcon applicationIcon()
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF body(size * 0.08, size * 0.04, size * 0.84, size * 0.92);
        painter.fillPath(rounded(body, size * 0.16), kBody);
        const QRectF display(body.left() + size * 0.1, body.top() + size * 0.1,
                             body.width() - size * 0.2, size * 0.24);
        painter.fillPath(rounded(display, size * 0.06), displayColour());
        const qreal key = (body.width() - size * 0.2 - size * 0.08) / 3;
        for (int row = 0; row < 2; ++row) {
            for (int col = 0; col < 3; ++col) {
                const QRectF k(display.left() + col * (key + size * 0.04),
                               display.bottom() + size * 0.08 + row * (key * 0.8 + size * 0.04),
                               key, key * 0.8);
                painter.fillPath(rounded(k, size * 0.04),
                                 row == 1 && col == 2 ? errorColour() : QColor(0x4a, 0x52, 0x5e));
            }
        }
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace nuvra::art
