#pragma once
// Temporary folders for tests; nothing a test writes lands in the real home
// or beside the test program.

#include <string>
#include <vector>

#include "support/TestCommandLine.h"

// A fresh folder under the system's temporary folder, removed with its
// contents when the object ends. Path() ends with "/".
class TTempFolder {
 public:
  TTempFolder();
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;
  ~TTempFolder();

  const std::string& Path() const { return Folder; }
  std::string File(const std::string& name) const { return Folder + name; }
  // Writes the bytes as they are; returns the file's path.
  std::string Write(const std::string& name, const std::string& bytes) const;
  std::string Read(const std::string& name) const;

 private:
  std::string Folder;
};

// The file's type and permission bits (st_mode), of a link itself rather
// than its target; 0 where nothing is there.
unsigned FileModeOf(const std::string& path);

// Makes the program believe it runs from a temporary folder: parameter 0 of
// the command line becomes "<folder>/Glyphmason". The previous command line
// comes back when the object ends.
class TTestProgramFolder : public TTempFolder {
 public:
  explicit TTestProgramFolder(std::vector<std::string> parameters = {});

 private:
  TTestCommandLine CommandLine;
};
