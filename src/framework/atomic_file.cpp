// QSaveFile opened unbuffered, so a failing write is the system call itself and Qt reports its errno
// text; buffered, the final flush of a partly written buffer says only "Unknown error". Every write is
// checked before commit(): on Qt 6.4 commit() can report success after a failed write, which would
// replace a good file with a truncated one.
#include "framework/atomic_file.h"

#include <QSaveFile>

#include "framework/error_text.h"

namespace {

// One write can stop short at the limit without an error; the next one then fails with the reason.
bool WriteAll(QSaveFile& file, const QByteArray& bytes) {
  qint64 done = 0;
  while (done < bytes.size()) {
    const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
    if (n <= 0) return false;
    done += n;
  }
  return file.error() == QFileDevice::NoError;
}

}  // namespace

Status CommitWholeFile(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return ErrorFrom(file.errorString());
  if (!WriteAll(file, bytes)) {
    const QString why = file.errorString();
    file.cancelWriting();
    return ErrorFrom(why);
  }
  if (!file.commit()) return ErrorFrom(file.errorString());
  return {};
}
