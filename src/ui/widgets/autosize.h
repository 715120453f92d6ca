#pragma once

class QLabel;
class QString;
class QWidget;

namespace amorisk {

// Captions marked with the dynamic property "autoSize" in a layout keep their
// left and top edges and take the size of their text on one line, growing to
// the right and downward.
void fitAutoSizeCaptions(QWidget *root);

// Sets a caption's text and, for an auto-size caption, fits it to the text.
void setCaption(QLabel *label, const QString &text);

} // namespace amorisk
