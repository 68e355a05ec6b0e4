#include "app/shell/Looks.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPalette>
#include <QStyleFactory>

namespace {

const APPLOOK kLooks[] = {
    {205, "Windows &2000", "Windows"},
    {206, "Office &XP", "Fusion"},
    {207, "&Windows XP", "Fusion"},
    {208, "Office 200&3", "Fusion"},
    {209, "Visual Studio 200&5", "Fusion"},
    {210, "Visual Studio 200&8", "Fusion"},
    {211, "Office 200&7", "Fusion"},
    {212, "Office 200&7", "Fusion"},
    {213, "Office 200&7", "Fusion"},
    {214, "Office 200&7", "Fusion"},
    {215, "&Blue Style", "Fusion"},
    {216, "B&lack Style", "Fusion"},
    {217, "&Silver Style", "Fusion"},
    {218, "&Aqua Style", "Fusion"},
    {219, "Win&dows 7", "Fusion"},
};

int& Office2007Colour() {
    static int colour = 215;
    return colour;
}

QPalette Tinted(const QColor& window, const QColor& base, const QColor& highlight, const QColor& text = Qt::black) {
    QPalette palette(window);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::Button, window);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, window.lighter(106));
    palette.setColor(QPalette::Highlight, highlight);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Text, text);
    return palette;
}

QPalette PaletteOf(int id) {
    switch (id) {
    case 205: return Tinted(QColor(0xd4, 0xd0, 0xc8), Qt::white, QColor(0x0a, 0x24, 0x6a));
    case 206: return Tinted(QColor(0xf0, 0xee, 0xe8), Qt::white, QColor(0x31, 0x6a, 0xc5));
    case 207: return Tinted(QColor(0xec, 0xe9, 0xd8), Qt::white, QColor(0x31, 0x6a, 0xc5));
    case 208: return Tinted(QColor(0xc3, 0xda, 0xf9), Qt::white, QColor(0xff, 0xbd, 0x69), Qt::black);
    case 209: return Tinted(QColor(0xee, 0xed, 0xe5), Qt::white, QColor(0x31, 0x6a, 0xc5));
    case 215: return Tinted(QColor(0xbf, 0xdb, 0xff), Qt::white, QColor(0xff, 0xc2, 0x5c), Qt::black);
    case 216: return Tinted(QColor(0x53, 0x53, 0x53), QColor(0x3a, 0x3a, 0x3a), QColor(0xff, 0xa5, 0x3c), Qt::white);
    case 217: return Tinted(QColor(0xd0, 0xd4, 0xdd), Qt::white, QColor(0x6e, 0x8c, 0xb4));
    case 218: return Tinted(QColor(0xc2, 0xe3, 0xec), Qt::white, QColor(0x2e, 0x8b, 0xa6));
    case 219: return Tinted(QColor(0xe9, 0xee, 0xf5), Qt::white, QColor(0x33, 0x99, 0xff));
    default: return Tinted(QColor(0xf5, 0xf5, 0xf3), Qt::white, QColor(0x33, 0x66, 0xcc));  // 210
    }
}

}  // namespace

const APPLOOK* FindLook(int id) {
    for (const APPLOOK& look : kLooks)
        if (look.id == id) return &look;
    return nullptr;
}

void ApplyLook(int id) {
    const APPLOOK* look = FindLook(id);
    if (!look) return;
    if (id >= 215 && id <= 218) Office2007Colour() = id;
    const int paletteId = (id >= 211 && id <= 214) ? Office2007Colour() : id;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    if (QStyle* style = QStyleFactory::create(look->styleName)) QApplication::setStyle(style);
    QApplication::setPalette(PaletteOf(paletteId));
    QGuiApplication::restoreOverrideCursor();
}
