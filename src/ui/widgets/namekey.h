#pragma once

class QKeyEvent;

namespace amorisk {

// What a key press in a name box amounts to.
struct NameKey
{
    enum Kind {
        Editing,   // types no character (arrows, Tab, Delete, Home...): the box handles it
        Command,   // an Alt or Meta combination: types nothing at all
        Character, // types the character `code`, which the filter judges
    };
    Kind kind;
    int code = 0;
};

// Ctrl with a letter types its control code, 1 to 26, as it does on Windows.
NameKey classifyNameKey(const QKeyEvent &event);

// The name boxes' rule for one typed character code: letters are kept in
// capitals, backspace, Enter and space pass, anything else is refused (0).
int nameKeyResult(int keyAscii);

} // namespace amorisk
