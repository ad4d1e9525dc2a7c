// Shared by the export tests: running vesk-cli and the checking scripts, and writing design files.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class CVeskDoc;

struct ProcessResult {
  int exitCode = -1;
  QString out, err;
};

ProcessResult RunCli(const QStringList& args);
// Runs tests/export/<script> with Debian's python3; the output says what failed.
ProcessResult RunScript(const QString& script, const QStringList& args);

// A new design changed by edit, saved to path; the document's fit is run again by whoever opens it.
void SaveDesign(const QString& path, const std::function<void(CVeskDoc&)>& edit);

// The soundhole and fingerboard block the tests use: L 65, joint fret 12, hole at 14, diameter 8.8.
void AddSoundhole(CVeskDoc& doc);

// stderr without the Qt platform's start-up chatter.
QStringList ErrorLines(const ProcessResult& r);
