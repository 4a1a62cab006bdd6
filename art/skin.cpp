#include "art/skin.h"

#include "art/palette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>

namespace nuvra::art {
namespace {

const QColor kBody = palette::body();
const QColor kBodyEdge = palette::bodyEdge();
const QColor kTitle = palette::titleBar();
const QColor kDisplayBack = palette::displayBack();
const QColor kLabel = palette::text();

QColor keyFace(KeyStyle style)
{
    switch (style) {
    case KeyStyle::Digit:
        return palette::digitKey();
    case KeyStyle::Operator:
        return palette::operatorKey();
    case KeyStyle::Equals:
        return palette::accent();
    case KeyStyle::Cancel:
        return palette::cancelKey();
    case KeyStyle::Function:
        return palette::functionKey();
    }
    return palette::digitKey();
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
    return palette::accent();
}

QColor errorColour()
{
    return palette::error();
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
    QColor ink = hovered ? kLabel : palette::mutedText();
    if (hovered && kind == TitleButton::Close)
        painter.setBrush(palette::closeHot());
    else if (hovered)
        painter.setBrush(palette::buttonHot());
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
    painter.setPen(style == KeyStyle::Equals ? palette::onAccent() : kLabel);
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
    painter.fillPath(rounded(rect, 5.0), palette::withAlpha(palette::strip(), 245));
    painter.setPen(QPen(palette::withAlpha(palette::accent(), 140), 1.0));
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
        painter.fillPath(rounded(rect, 4.0), palette::withAlpha(palette::accent(), 70));
    const QPointF c = rect.center();
    const qreal r = std::min(rect.width(), rect.height()) * 0.3;
    painter.setPen(QPen(lit ? displayColour() : palette::glyph(), 1.4, Qt::SolidLine,
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
    painter.fillPath(gear.subtracted(hole), hovered ? displayColour() : palette::idleGlyph());
    painter.restore();
}

void paintPin(QPainter& painter, const QRectF& rect, bool checked)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF c = rect.center();
    const qreal r = std::min(rect.width(), rect.height()) * 0.36;
    const QColor ink = checked ? displayColour() : palette::idleGlyph();
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
    painter.fillPath(rounded(rect.adjusted(1, 1, -1, -1), 14.0),
                     palette::withAlpha(palette::body(), 240));
    painter.setPen(QPen(palette::withAlpha(palette::accent(), 120), 1.2));
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
        painter.setPen(QPen(palette::mutedText(), 1.6));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(back, 3, 3);
        painter.setBrush(palette::body());
        painter.setPen(QPen(displayColour(), 1.8));
        painter.drawRoundedRect(front, 3, 3);
        for (int i = 1; i <= 3; ++i) {
            const qreal y = front.top() + front.height() * i / 4.5;
            painter.drawLine(QPointF(front.left() + w * 0.2, y), QPointF(front.right() - w * 0.2, y));
        }
        font.setPixelSize(static_cast<int>(rect.height() * 0.13));
        painter.setFont(font);
        painter.setPen(palette::text());
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
        painter.setPen(palette::glyph());
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

void paintPane(QPainter& painter, const QRectF& rect, bool sunken)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF face = rect.adjusted(0.5, 0.5, -0.5, -0.5);
    painter.fillPath(rounded(face, 5.0), sunken ? palette::displayBack() : palette::panel());
    painter.setPen(QPen(sunken ? QColor(0, 0, 0, 150) : palette::bodyEdge(), 1.0));
    painter.drawPath(rounded(face, 5.0));
    painter.restore();
}

void paintTooltip(QPainter& painter, const QRectF& rect)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(rounded(rect.adjusted(0.5, 0.5, -0.5, -0.5), rect.height() / 2.4),
                     palette::strip());
    painter.restore();
}

namespace {

KeyStyle keyStyleOf(Picture picture)
{
    switch (picture) {
    case Picture::OperatorKey:
        return KeyStyle::Operator;
    case Picture::EqualsKey:
        return KeyStyle::Equals;
    case Picture::CancelKey:
        return KeyStyle::Cancel;
    case Picture::FunctionKey:
        return KeyStyle::Function;
    default:
        return KeyStyle::Digit;
    }
}

} // namespace

void paintPicture(QPainter& painter, const QRectF& rect, Picture picture, const QString& text,
                  PictureState state)
{
    const bool hot = state.hot || state.down;
    switch (picture) {
    case Picture::None:
        return;
    case Picture::MenuButton:
        paintTitleButton(painter, rect, TitleButton::Menu, hot);
        return;
    case Picture::Minimise:
        paintTitleButton(painter, rect, TitleButton::Minimise, hot);
        return;
    case Picture::Close:
        paintTitleButton(painter, rect, TitleButton::Close, hot);
        return;
    case Picture::Gear:
        paintGear(painter, rect, hot);
        return;
    case Picture::Pin:
        paintPin(painter, rect, state.checked || state.hot);
        return;
    case Picture::DigitKey:
    case Picture::OperatorKey:
    case Picture::EqualsKey:
    case Picture::CancelKey:
    case Picture::FunctionKey:
        paintKey(painter, rect, keyStyleOf(picture), text, state.down, state.hot);
        return;
    case Picture::StackRoll:
        paintStackCommand(painter, rect, StackGlyph::Roll, state.checked);
        return;
    case Picture::StackSwap:
        paintStackCommand(painter, rect, StackGlyph::Swap, state.checked);
        return;
    case Picture::StackDrop:
        paintStackCommand(painter, rect, StackGlyph::Drop, state.checked);
        return;
    case Picture::PanelToggle: {
        // Closed: an arrow that points out of the frame; open: one that points back.
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(hot ? palette::accent() : palette::mutedText(), 1.6, Qt::SolidLine,
                            Qt::RoundCap, Qt::RoundJoin));
        const QPointF c = rect.center();
        const qreal d = rect.height() * 0.22;
        const qreal dir = state.checked ? -1.0 : 1.0;
        painter.drawLine(c + QPointF(-d * dir * 0.6, -d), c + QPointF(d * dir * 0.6, 0));
        painter.drawLine(c + QPointF(d * dir * 0.6, 0), c + QPointF(-d * dir * 0.6, d));
        painter.restore();
        return;
    }
    case Picture::TextButton: {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF face = rect.adjusted(0.5, 0.5, -0.5, -0.5);
        painter.fillPath(rounded(face, 4.0), hot ? palette::accentLight() : palette::accent());
        QFont font = painter.font();
        font.setBold(true);
        font.setPointSizeF(8.0);
        painter.setFont(font);
        painter.setPen(palette::onAccent());
        painter.drawText(face.translated(0, state.down ? 1 : 0), Qt::AlignCenter, text);
        painter.restore();
        return;
    }
    case Picture::StripItem: {
        painter.save();
        QFont font = painter.font();
        font.setBold(true);
        font.setPointSizeF(rect.height() > 20 ? 11.0 : 10.0);
        painter.setFont(font);
        painter.setPen(hot ? palette::accentLight() : palette::text());
        painter.drawText(rect, Qt::AlignCenter, text);
        painter.restore();
        return;
    }
    case Picture::Waiting:
    case Picture::Done:
    case Picture::Invalid: {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal side = std::min(rect.width(), rect.height());
        const QRectF disc(rect.center().x() - side / 2 + 1, rect.center().y() - side / 2 + 1,
                          side - 2, side - 2);
        const QColor ink = picture == Picture::Invalid ? palette::error()
                           : picture == Picture::Done  ? palette::accent()
                                                       : palette::mutedText();
        painter.setPen(QPen(ink, std::max<qreal>(1.2, side * 0.09), Qt::SolidLine, Qt::RoundCap,
                            Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(disc);
        const QPointF c = disc.center();
        const qreal r = side * 0.22;
        if (picture == Picture::Done) {
            painter.drawLine(c + QPointF(-r, 0), c + QPointF(-r * 0.25, r * 0.75));
            painter.drawLine(c + QPointF(-r * 0.25, r * 0.75), c + QPointF(r, -r * 0.7));
        } else if (picture == Picture::Invalid) {
            painter.drawLine(c + QPointF(0, -r), c + QPointF(0, r * 0.25));
            painter.drawPoint(c + QPointF(0, r * 0.85));
        } else {
            for (int i = -1; i <= 1; ++i)
                painter.drawPoint(c + QPointF(i * r * 0.9, 0));
        }
        painter.restore();
        return;
    }
    case Picture::PageTab: {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF face = rect.adjusted(0.5, 0.5, -0.5, -0.5);
        if (state.checked || hot)
            painter.fillPath(rounded(face, face.height() / 2),
                             state.checked ? palette::operatorKey() : palette::buttonHot());
        QFont font = painter.font();
        font.setBold(true);
        font.setPointSizeF(8.0);
        painter.setFont(font);
        painter.setPen(state.checked ? palette::text() : palette::mutedText());
        painter.drawText(face, Qt::AlignCenter, text);
        if (state.checked) {
            const qreal w = face.width() * 0.18;
            painter.setPen(QPen(palette::accent(), 2.0, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(QPointF(face.center().x() - w, face.bottom() - 1.5),
                             QPointF(face.center().x() + w, face.bottom() - 1.5));
        }
        painter.restore();
        return;
    }
    case Picture::Indicator: {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF face = rect.adjusted(0.5, 0.5, -0.5, -0.5);
        painter.setPen(QPen(hot ? palette::accentLight() : palette::accent(), 1.0));
        painter.setBrush(palette::withAlpha(palette::accent(), hot ? 60 : 30));
        painter.drawPath(rounded(face, face.height() / 2));
        QFont font = painter.font();
        font.setBold(true);
        font.setPointSizeF(8.0);
        painter.setFont(font);
        painter.setPen(hot ? palette::accentLight() : palette::accent());
        painter.drawText(face, Qt::AlignCenter, text);
        painter.restore();
        return;
    }
    case Picture::Highlight: {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF ring = rect.adjusted(1.0, 1.0, -1.0, -1.0);
        const qreal radius = std::min(ring.width(), ring.height()) * 0.3;
        painter.setPen(QPen(palette::withAlpha(palette::accent(), 70), 2.0));
        painter.drawPath(rounded(ring, radius));
        painter.setPen(QPen(palette::withAlpha(palette::accentLight(), 170), 1.0));
        painter.drawPath(rounded(ring.adjusted(1.0, 1.0, -1.0, -1.0), radius - 1.0));
        painter.restore();
        return;
    }
    case Picture::ListHint: {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        const QPointF c = rect.center() - QPointF(0, rect.height() * 0.08);
        const qreal r = std::min(rect.width(), rect.height()) * 0.09;
        painter.setPen(QPen(palette::faintText(), 1.4, Qt::SolidLine, Qt::RoundCap));
        for (int i = -1; i <= 1; ++i)
            painter.drawLine(c + QPointF(-r, i * r * 0.7), c + QPointF(r, i * r * 0.7));
        QFont font = painter.font();
        font.setPointSizeF(8.0);
        painter.setFont(font);
        painter.setPen(palette::faintText());
        const qreal margin = rect.width() * 0.1;
        painter.drawText(QRectF(rect.left() + margin, c.y() + r * 1.4, rect.width() - 2 * margin,
                                rect.height() * 0.4),
                         Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, text);
        painter.restore();
        return;
    }
    }
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
                                 row == 1 && col == 2 ? errorColour() : palette::iconCell());
            }
        }
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace nuvra::art
