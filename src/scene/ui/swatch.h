// A colour swatch: a small button filled with its colour (0x00BBGGRR); a click opens the
// colour chooser on that colour.
#pragma once

#include <QToolButton>
#include <cstdint>
#include <optional>

namespace curvanta {

class Swatch : public QToolButton {
  Q_OBJECT
 public:
  explicit Swatch(const QString& objectName, QWidget* parent = nullptr);
  void setColour(int32_t colour);
  int32_t colour() const { return colour_; }
  // Opens the chooser in force on the swatch's colour; the chosen colour or nullopt.
  std::optional<int32_t> choose();

 private:
  int32_t colour_ = 0;
};

}  // namespace curvanta
