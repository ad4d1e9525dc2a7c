// One fuzz input: the bytes as a design file, loaded through the document's own load path into a
// fresh document, checked, and painted. Shared by the libFuzzer target and the corpus replay.
#pragma once

#include <QByteArray>
#include <string>

// Needs a QApplication. Empty when every check held; otherwise what broke.
std::string RunDesignInput(const QByteArray& bytes);
