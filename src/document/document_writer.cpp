// Document text, container and atomic file write.
#include "document/document_writer.h"

#include "common/atomic_file.h"
#include "common/gbk_codec.h"
#include "common/globals.h"
#include "common/message_service.h"
#include "document/records.h"
#include "scene/scene_globals.h"

namespace curvanta {

std::string DocumentText(int32_t graphMode, const Scene& scene, const AxesSettings& axes) {
  const int32_t digit = std::clamp(graphMode, 1, 3) + 3;
  return "S4" + std::to_string(digit) + " " + std::to_string(RecordCount(scene)) + " " +
         Save(scene) + Save(axes);
}

std::variant<std::string, EncodeRefusal> EncodeDocument(const std::string& text) {
  std::optional<std::string> gbk = Utf8ToGbk(text);
  if (!gbk) return EncodeRefusal::UnencodableCharacter;
  if (gbk->size() > 0xFFFF) return EncodeRefusal::TooLarge;
  const size_t n = gbk->size();
  std::string bytes;
  bytes.reserve(4 + n);
  bytes += char(8);
  bytes += char(0);
  bytes += char(n & 0xFF);
  bytes += char((n >> 8) & 0xFF);
  bytes += *gbk;
  return bytes;
}

bool SaveDocumentFile(const std::string& path) {
  auto encoded = EncodeDocument(DocumentText(GraphMode, DocScene, DocAxes()));
  if (auto* refusal = std::get_if<EncodeRefusal>(&encoded)) {
    ShowMessage(*refusal == EncodeRefusal::TooLarge ? "文档太大，无法保存" : "文档中有无法保存的字符", "出错",
                MsgIcon::Error);
    return false;
  }
  if (const WriteOutcome outcome = ReplaceOrWriteInPlace(path, std::get<std::string>(encoded)); !outcome) {
    ShowMessage(WriteFailureText(path, outcome), "出错", MsgIcon::Error);
    return false;
  }
  return true;
}

}  // namespace curvanta
