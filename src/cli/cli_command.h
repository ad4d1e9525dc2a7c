// vesk_cli_lib: the vesk-cli commands over export, the headless paint (vesk_drawing) and the
// document; no widgets, and a test checks the program links none.
//
// What every vesk-cli command shares: its arguments, exit codes and the way it reports errors.
#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>

#include "geometry/result.h"

namespace cli {

enum ExitCode { kOk = 0, kFitFailed = 1, kUsage = 2, kFileError = 3 };

// A refusal is a usage error, a failed fit kFitFailed, anything else (a file, a writer) kFileError.
ExitCode ExitCodeOf(const Error& error);

// args[0] is the command's own name, as QCommandLineParser expects a program name there.
using CommandFunction = int (*)(const QStringList& args);

struct Command {
  const char* name;
  const char* summary;
  CommandFunction run;
  // Paints (fonts, images): runs under a GUI application on the offscreen platform.
  bool paints = false;
};

void PrintError(const QString& line);
void PrintOut(const QString& text);

// The command about to run, for its --help.
void BeginCommand(const Command& command);
// Whether the running command was asked for --help (and printed it): its run then counts as a
// success, whatever it returned.
bool HelpShown();

// Parses args; on a usage error prints one line and returns false. Every command takes -h/--help:
// its help goes to stdout, HelpShown() becomes true, and the result is false so the command ends.
// A parser that already has a "help" option is left to print its own.
bool ParseOrReport(QCommandLineParser& parser, const QStringList& args);

// The value of a numeric option, or fallback when it is absent; nullopt (after a one-line message)
// when it is present but not a finite number.
// The single FILE argument of a command; prints a usage error and returns false when there is not
// exactly one.
bool OneFileArgument(const QCommandLineParser& parser, const QString& command, QString* file);

std::optional<double> FiniteOption(const QCommandLineParser& parser, const QString& name, double fallback);

}  // namespace cli
