// vesk_cli_lib: the vesk-cli commands over export, the headless paint (vesk_drawing) and the
// document; no widgets, and a test checks the program links none.
//
// What every vesk-cli command shares: its arguments, exit codes, --help, and the one way it reports
// a fault: a line "vesk-cli: COMMAND: what: why", with one wording for each kind of fault.
#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <initializer_list>

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

void PrintOut(const QString& text);
// "vesk-cli: LINE" on stderr, as it is.
void PrintError(const QString& line);

// The command about to run, for its --help and its messages.
void BeginCommand(const Command& command);
// Whether the running command was asked for --help (and printed it): its run then counts as a
// success, whatever it returned.
bool HelpShown();

// --- Faults -------------------------------------------------------------------------------------
// A usage fault (ErrorKind::Refused): "what: why", what naming the option, argument or value.
Error UsageError(const QString& what, const QString& why);
// Prints "vesk-cli: COMMAND: MESSAGE" and returns ExitCodeOf(error).
int Report(const Error& error);
// A warning or note the command goes on after, in the same form. Warnings wait until the command
// ends (FlushWarnings) or reports a fault that is not a usage error; a usage error drops them, so bad
// input gets its one line.
void Warn(const QString& what, const QString& why);
void Warn(const QString& line);
void FlushWarnings();

// The `why` of each kind of fault, worded once.
QString NotANumber(const QString& typed);          // "'abc' is not a finite number"
QString NotAWholeNumber(const QString& typed);     // "'19.5' is not a whole number"
QString NotGreaterThanZero(const QString& typed);  // "-1 is not greater than 0"
QString IsNegative(const QString& typed);          // "-1 is negative"
QString NotFromTo(const QString& typed, const QString& from, const QString& to);  // "37 is not from 1 to 36"
// "unknown unit 'mm' (use cm or in)"
QString UnknownValue(const QString& kind, const QString& typed, const QString& choices);
QString Missing();             // for an argument or option that must be given
QString UnexpectedArgument();  // for an argument too many
QString ExcludeEachOther();    // for options that cannot be given together
// "--a, --b and --c" (with the dashes) from option names.
QString OptionList(const QStringList& names);

// --- Arguments ----------------------------------------------------------------------------------
// Parses args; on a usage error prints one line and returns false. Every command takes -h/--help:
// its help (Qt's, whose Usage line names the arguments, then `notes`) goes to stdout, HelpShown()
// becomes true, and the result is false so the command ends.
bool ParseOrReport(QCommandLineParser& parser, const QStringList& args, const QString& notes = {});

// Declares a positional argument (FILE, POINTS, ...) so the Usage line and the help name it.
void AddArgument(QCommandLineParser& parser, const QString& name, const QString& description, bool optional);
// The one positional argument of a command; an empty string when it is optional and absent.
Result<QString> OneArgument(const QCommandLineParser& parser, const QString& name, bool optional);
// At most one of the options given.
Status AtMostOne(const QCommandLineParser& parser, std::initializer_list<const char*> names);

// A finite number, or fallback when the option is absent.
Result<double> NumberOption(const QCommandLineParser& parser, const QString& name, double fallback);
// A whole number, or fallback when the option is absent.
Result<int> WholeOption(const QCommandLineParser& parser, const QString& name, int fallback);

}  // namespace cli
