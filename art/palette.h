#pragma once

#include <QColor>
#include <QString>

// The one set of colours of the skin; windows and pictures take theirs from here.
namespace nuvra::art::palette {

inline QColor body() { return {0x1d, 0x20, 0x26}; }
inline QColor bodyEdge() { return {0x34, 0x39, 0x43}; }
inline QColor titleBar() { return {0x25, 0x29, 0x31}; }
inline QColor panel() { return {0x25, 0x29, 0x31}; }
inline QColor strip() { return {0x2a, 0x2f, 0x38}; }
inline QColor displayBack() { return {0x0d, 0x10, 0x14}; }
// Text on the dark skin, its quieter form, and the quietest (empty states).
inline QColor text() { return {0xe8, 0xec, 0xf1}; }
inline QColor mutedText() { return {0x9a, 0xa3, 0xb0}; }
inline QColor faintText() { return {0x6c, 0x75, 0x82}; }
inline QColor glyph() { return {0xb4, 0xbc, 0xc8}; }
inline QColor idleGlyph() { return {0x7d, 0x86, 0x93}; }
// The display's blue, which is also the accent, and the error orange.
inline QColor accent() { return {79, 168, 240}; }
inline QColor accentLight() { return {0x7c, 0xc0, 0xf6}; }
inline QColor error() { return {255, 128, 0}; }
// Ink on the accent (the equals key, filled buttons).
inline QColor onAccent() { return {0x0b, 0x1a, 0x2b}; }
inline QColor digitKey() { return {0x30, 0x35, 0x3e}; }
inline QColor operatorKey() { return {0x3b, 0x47, 0x59}; }
inline QColor cancelKey() { return {0xc8, 0x6a, 0x1c}; }
inline QColor functionKey() { return {0x28, 0x2c, 0x34}; }
inline QColor closeHot() { return {0xd0, 0x4a, 0x3c}; }
inline QColor buttonHot() { return {0x3a, 0x40, 0x4b}; }
inline QColor iconCell() { return {0x4a, 0x52, 0x5e}; }

inline QColor withAlpha(QColor colour, int alpha)
{
    colour.setAlpha(alpha);
    return colour;
}

// A colour as a style sheet writes it.
inline QString css(const QColor& colour)
{
    return colour.name(colour.alpha() == 255 ? QColor::HexRgb : QColor::HexArgb);
}

} // namespace nuvra::art::palette
