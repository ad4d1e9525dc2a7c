// libFuzzer entry: any bytes as a design file. A broken check aborts, so libFuzzer keeps the input.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "design_harness.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication app(*argc, *argv);
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
