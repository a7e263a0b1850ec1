// The document writer: the document text of the current generation (header code, record
// count, records, coordinate-system record) in its ".pgp" container, written atomically.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "scene/axes_settings.h"
#include "scene/scene.h"

namespace curvanta {

// "S4" + kind digit (graphMode + 3), the record count, the records and the axes record.
std::string DocumentText(int32_t graphMode, const Scene& scene, const AxesSettings& axes);

enum class EncodeRefusal { UnencodableCharacter, TooLarge };

// The container: tag 8 and the text length as 16-bit little-endian values, then the text
// in GBK. Refused when a character has no GBK code or the text exceeds 65535 bytes.
std::variant<std::string, EncodeRefusal> EncodeDocument(const std::string& text);

// Saves the document (DocScene, DocAxes, GraphMode) to `path` through a temporary file
// that replaces it: true after a complete write; otherwise its message was shown and the
// old file is as it was.
bool SaveDocumentFile(const std::string& path);

}  // namespace curvanta
