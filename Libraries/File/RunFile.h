#pragma once
// Starting files: a program is run, a document or web address opens in the
// desktop's default application. Parameters reach the program as an
// argument list; no shell ever reads them.

#include <string>
#include <vector>

// The parameter text handed on: empty for no parameters, else one space and
// the parameters, wrapped in double quotes when quote is true.
std::string RunFileParameterText(const std::string& parameters, bool quote);
// Splits a parameter text into arguments: blanks and tabs separate them,
// double quotes group (and are dropped), and inside quotes a backslash makes
// the next double quote or backslash literal.
std::vector<std::string> SplitParameterText(const std::string& text);

// Runs the file. An executable file, or a program name found in $PATH, is
// started with the parameters as its arguments, in workingDirectory when not
// empty; anything else (a document, a folder, an address such as
// "https://..." or "mailto:...") is opened with the default handler, which
// takes the name alone. The minimised wish has no meaning to this desktop.
// An empty name shows the error box "The name of the file is empty." and
// records nothing; a failed start records "Failed to run file." (file,
// system error).
void RunFile(const std::string& file, const std::string& parameters,
             const std::string& workingDirectory, bool minimised, bool quote);

// Opens the address with the default handler; a failure is shown in the
// error dialog with message.
void OpenSite(const std::string& address, const std::string& message);
