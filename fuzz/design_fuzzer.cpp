// libFuzzer entry: any bytes as a design file. A broken check aborts, so libFuzzer keeps the input.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "design_harness.h"

// Qt gets only the program name, so that it cannot take any of libFuzzer's flags out of argv.
extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int qtArgc = 1;
  static char* qtArgv[] = {(*argv)[0], nullptr};
  static QApplication app(qtArgc, qtArgv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string broken =
      RunDesignInput(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  if (!broken.empty()) {
    std::fprintf(stderr, "design check failed: %s\n", broken.c_str());
    std::abort();
  }
  return 0;
}
