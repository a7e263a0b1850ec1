// The program's icon as SVG text and as a QIcon drawn from it.
#include "platform/program_icon.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QPixmap>

namespace curvanta {

QByteArray ProgramIconSvg() {
  return QByteArrayLiteral(
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\" viewBox=\"0 0 64 64\">\n"
      "  <rect x=\"2\" y=\"2\" width=\"60\" height=\"60\" rx=\"8\" fill=\"#f5f7fb\" "
      "stroke=\"#285aa0\" stroke-width=\"3\"/>\n"
      "  <path d=\"M10 32 H54 M32 54 V10\" stroke=\"#333333\" stroke-width=\"2.5\" fill=\"none\"/>\n"
      "  <path d=\"M52 32 l-5 -3 v6 z M32 12 l-3 5 h6 z\" fill=\"#333333\"/>\n"
      "  <path d=\"M10 44 C18 44 20 18 28 18 S38 46 46 46 S52 30 54 26\" stroke=\"#c0392b\" "
      "stroke-width=\"3.5\" fill=\"none\" stroke-linecap=\"round\"/>\n"
      "</svg>\n");
}

QIcon ProgramIcon() {
  QByteArray svg = ProgramIconSvg();
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128, 256}) {
    // Each size drawn from the SVG itself, so that none is a blurred copy of another.
    QBuffer buffer(&svg);
    QImageReader reader(&buffer, "svg");
    reader.setScaledSize(QSize(size, size));
    const QImage image = reader.read();
    if (!image.isNull()) icon.addPixmap(QPixmap::fromImage(image));
  }
  return icon;
}

}  // namespace curvanta
