// QColorDialog behind the colour chooser.
#include "common/ui/colour_chooser.h"

#include <QColor>
#include <QColorDialog>

#include "common/drawn_colour.h"

namespace curvanta {

namespace {

class QtColourChooser : public ColourChooser {
 public:
  std::optional<int32_t> choose(int32_t initial, QWidget* parent) override {
    QColor chosen = QColorDialog::getColor(ToQColor(initial), parent);
    if (!chosen.isValid()) return std::nullopt;
    return FromQColor(chosen);
  }
};

QtColourChooser& DefaultChooser() {
  static QtColourChooser chooser;
  return chooser;
}

ColourChooser* current = nullptr;

}  // namespace

ColourChooser& CurrentColourChooser() { return current ? *current : DefaultChooser(); }

ColourChooser* SetColourChooser(ColourChooser* chooser) {
  ColourChooser* previous = current;
  current = chooser;
  return previous;
}

QColor ToQColor(int32_t colour) {
  const uint32_t c = uint32_t(DrawnColour(colour));
  return QColor(int(c & 255), int((c >> 8) & 255), int((c >> 16) & 255));
}

int32_t FromQColor(const QColor& colour) {
  return int32_t(uint32_t(colour.red()) | (uint32_t(colour.green()) << 8) |
                 (uint32_t(colour.blue()) << 16));
}

}  // namespace curvanta
