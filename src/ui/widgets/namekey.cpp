#include "namekey.h"

#include <QKeyEvent>

namespace amorisk {

NameKey classifyNameKey(const QKeyEvent &event)
{
    // On X11, Tab and Delete carry "\t" and "\x7f"; to the name boxes they are
    // movement and editing keys, never typed characters.
    switch (event.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return {NameKey::Editing};
    default:
        break;
    }
    const QString text = event.text();
    if (text.isEmpty())
        return {NameKey::Editing};
    const Qt::KeyboardModifiers mods = event.modifiers();
    // Alt or Meta without Ctrl is an access key that found no target; Ctrl+Alt
    // is AltGr on some keyboards and types a character.
    if ((mods & (Qt::AltModifier | Qt::MetaModifier)) && !(mods & Qt::ControlModifier))
        return {NameKey::Command};
    const int code = text.at(0).unicode();
    const bool letter = (code >= 'a' && code <= 'z') || (code >= 'A' && code <= 'Z');
    if (letter && (mods & Qt::ControlModifier) && !(mods & Qt::AltModifier))
        return {NameKey::Character, code & 0x1F};
    return {NameKey::Character, code};
}

int nameKeyResult(int keyAscii)
{
    if (keyAscii >= 'a' && keyAscii <= 'z')
        return keyAscii - 32;
    if (keyAscii >= 'A' && keyAscii <= 'Z')
        return keyAscii;
    if (keyAscii == 8 || keyAscii == 13 || keyAscii == 32)
        return keyAscii;
    return 0;
}

} // namespace amorisk
