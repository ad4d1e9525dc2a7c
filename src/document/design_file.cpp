// The value reader and writer: a document that holds a Design and does nothing on load but read it.
#include "document/design_file.h"

#include "framework/archive.h"
#include "framework/document.h"
#include "framework/error_text.h"

namespace {

class DesignFileDocument : public CDocument {
 public:
  explicit DesignFileDocument(Design design = {}) : m_design(design) {}
  void Serialize(CArchive& ar) override { SerializeDesign(ar, m_design); }
  const Design& design() const { return m_design; }

 protected:
  void TakeSnapshot() override { m_snapshot = m_design; }
  void RestoreSnapshot() override { m_design = m_snapshot; }

 private:
  Design m_design, m_snapshot;
};

}  // namespace

Result<Design> LoadDesignFile(const QString& path) {
  DesignFileDocument doc;
  QString error;
  if (!doc.OnOpenDocument(path, &error)) return ErrorFrom(error);
  return doc.design();
}

Result<Design> LoadDesignBytes(const QByteArray& bytes, const QString& name) {
  DesignFileDocument doc;
  QString error;
  if (!doc.LoadFromBytes(bytes, name, &error)) return ErrorFrom(error);
  return doc.design();
}

Status SaveDesignFile(const QString& path, const Design& design) {
  DesignFileDocument doc(design);
  QString error;
  if (!doc.OnSaveDocument(path, &error)) return ErrorFrom(error);
  return {};
}
