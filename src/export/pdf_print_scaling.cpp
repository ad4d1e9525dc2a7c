// qpdf reads the PDF from memory and writes it back to memory; nothing touches the disk.
#include "export/pdf_print_scaling.h"

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFWriter.hh>

#include "framework/error_text.h"

Result<QByteArray> SetPrintScalingNone(const QByteArray& pdf) {
  try {
    QPDF doc;
    doc.setSuppressWarnings(true);
    doc.processMemoryFile("template.pdf", pdf.constData(), static_cast<size_t>(pdf.size()));
    QPDFObjectHandle root = doc.getRoot();
    QPDFObjectHandle prefs = root.getKey("/ViewerPreferences");
    if (!prefs.isDictionary()) {
      prefs = QPDFObjectHandle::newDictionary();
      root.replaceKey("/ViewerPreferences", prefs);
    }
    prefs.replaceKey("/PrintScaling", QPDFObjectHandle::newName("/None"));
    QPDFWriter writer(doc);
    writer.setOutputMemory();
    writer.write();
    const std::shared_ptr<Buffer> out = writer.getBufferSharedPointer();
    return QByteArray(reinterpret_cast<const char*>(out->getBuffer()),
                      static_cast<qsizetype>(out->getSize()));
  } catch (const std::exception& e) {
    return ErrorFrom(
        QStringLiteral("the PDF could not be finished: %1").arg(QString::fromLocal8Bit(e.what())));
  }
}
