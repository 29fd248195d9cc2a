#pragma once
// Answers the program's file dialogs in tests: picks the queued path or
// cancels, and records what each dialog offered. Installed for the life of
// the object.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "Libraries/MyDialogs/FileDialogs.h"

struct TOfferedFile {
  TFileDialogKind Kind;
  std::string Filter;
  std::string FileName;
};

class TFakeFileDialogs : public IFileDialogs {
 public:
  TFakeFileDialogs() : Scope(this) {}

  // The next dialog confirms this path.
  void Choose(const std::string& path) { Answers.emplace_back(path); }
  // The next dialog is cancelled.
  void Cancel() { Answers.emplace_back(std::nullopt); }

  bool Execute(TFileDialogKind kind, const std::string& filter, std::string& fileName) override {
    Offered.push_back({kind, filter, fileName});
    if (Answers.empty() || !Answers.front()) {
      if (!Answers.empty()) {
        Answers.pop_front();
      }
      return false;
    }
    fileName = *Answers.front();
    Answers.pop_front();
    return true;
  }

  std::vector<TOfferedFile> Offered;

 private:
  std::deque<std::optional<std::string>> Answers;
  FileDialogsSeam::TScoped Scope;
};
