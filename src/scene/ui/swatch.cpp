// Colour swatch button.
#include "scene/ui/swatch.h"

#include <QColor>

#include "common/ui/colour_chooser.h"

namespace curvanta {

Swatch::Swatch(const QString& objectName, QWidget* parent) : QToolButton(parent) {
  setObjectName(objectName);
  setFixedSize(40, 20);
  setAutoRaise(false);
  setColour(0);
}

void Swatch::setColour(int32_t colour) {
  colour_ = colour;
  setStyleSheet(QStringLiteral("QToolButton{background-color:%1;border:1px solid #808080;}"
                               "QToolButton:disabled{border:1px solid #c0c0c0;}")
                    .arg(ToQColor(colour).name()));
}

std::optional<int32_t> Swatch::choose() { return CurrentColourChooser().choose(colour_, this); }

}  // namespace curvanta
