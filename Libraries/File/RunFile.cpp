#include "Libraries/File/RunFile.h"

#include <cctype>
#include <cerrno>

#include "Libraries/Error/FunctionScope.h"
#include "Libraries/File/FullPath.h"
#include "Libraries/MyDialogs/MyDialogs.h"
#include "Libraries/OperatingSystem/OperatingSystem.h"
#include "Libraries/Text/Translation.h"

namespace {
// "scheme:" as in "https://..." or "mailto:...": letters first, then letters,
// digits, "+", "-" or ".". A path with "/" before the colon is no address.
bool IsAddress(const std::string& name) {
  const size_t colon = name.find(':');
  if (colon == std::string::npos || colon < 2 ||
      !std::isalpha(static_cast<unsigned char>(name[0]))) {
    return false;
  }
  for (size_t i = 1; i < colon; ++i) {
    const unsigned char c = static_cast<unsigned char>(name[i]);
    if (!std::isalnum(c) && c != '+' && c != '-' && c != '.') {
      return false;
    }
  }
  return true;
}

bool IsExecutableFile(const std::string& path) {
  return Os::PathStatus(path).Kind == Os::TFileKind::Regular && Os::IsExecutableByUser(path);
}

bool Exists(const std::string& path) {
  return Os::PathStatus(path).Kind != Os::TFileKind::Missing;
}

// Relative names are made absolute first: the started program runs in the
// working directory, where the caller's relative name would mean another file.
bool Start(const std::string& file, const std::string& parameters,
           const std::string& workingDirectory, bool quote) {
  const std::vector<std::string> arguments =
      SplitParameterText(RunFileParameterText(parameters, quote));
  if (IsAddress(file)) {
    return Os::StartProcess(Os::DefaultHandlerProgram(), {file}, workingDirectory);
  }
  if (file.find('/') == std::string::npos && !Exists(file)) {
    return Os::StartProcess(file, arguments, workingDirectory);  // a program in $PATH
  }
  const std::string path = FullLongPath(file);
  if (IsExecutableFile(path)) {
    return Os::StartProcess(path, arguments, workingDirectory);
  }
  if (!Exists(path)) {
    return false;  // the last error tells why
  }
  return Os::StartProcess(Os::DefaultHandlerProgram(), {path}, workingDirectory);
}
}  // namespace

std::string RunFileParameterText(const std::string& parameters, bool quote) {
  if (parameters.empty()) {
    return {};
  }
  return quote ? " \"" + parameters + "\"" : " " + parameters;
}

std::vector<std::string> SplitParameterText(const std::string& text) {
  std::vector<std::string> arguments;
  std::string current;
  bool inArgument = false;
  bool quoted = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c == '\\' && i + 1 < text.size() && (text[i + 1] == '"' || text[i + 1] == '\\')) {
        current += text[++i];
      } else if (c == '"') {
        quoted = false;
      } else {
        current += c;
      }
    } else if (c == ' ' || c == '\t') {
      if (inArgument) {
        arguments.push_back(current);
        current.clear();
        inArgument = false;
      }
    } else {
      inArgument = true;
      if (c == '"') {
        quoted = true;
      } else {
        current += c;
      }
    }
  }
  if (inArgument) {
    arguments.push_back(current);
  }
  return arguments;
}

void RunFile(const std::string& file, const std::string& parameters,
             const std::string& workingDirectory, bool minimised, bool quote) {
  (void)minimised;
  PassingFunction("RunFile", [&](TFunScope& Fun) {
    if (file.empty()) {
      ShowErrorDialog(Translated("RunFile", "The name of the file is empty."));
      return;
    }
    Os::ClearLastError();
    if (!Start(file, parameters, workingDirectory, quote)) {
      Fun.Fail("Failed to run file.", file, "", Os::LastError());
    }
  });
}

void OpenSite(const std::string& address, const std::string& message) {
  ShowingFunction("OpenSite", message, [&](TFunScope& Fun) {
    RunFile(address, "", "", false, true);
    Fun.CalleeFailed();
  });
}
