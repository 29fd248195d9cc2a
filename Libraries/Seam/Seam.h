#pragma once
// A seam is the one place where a service that talks to the user (message
// boxes, the error dialog, file dialogs, the folder browser, ...) is looked
// up. The program installs the real implementation at start; a test installs
// its own for a scope, answers what the program asks and reads what it showed.

namespace Seam {

template <class Interface>
class TSeam {
 public:
  // The implementation in force, or nullptr when none is installed.
  static Interface* Current() { return Slot(); }
  static void Install(Interface* implementation) { Slot() = implementation; }

  // Installs an implementation for the life of the object, then puts the
  // previous one back.
  class TScoped {
   public:
    explicit TScoped(Interface* implementation) : Previous(Slot()) { Slot() = implementation; }
    TScoped(const TScoped&) = delete;
    TScoped& operator=(const TScoped&) = delete;
    ~TScoped() { Slot() = Previous; }

   private:
    Interface* Previous;
  };

 private:
  static Interface*& Slot() {
    static Interface* current = nullptr;
    return current;
  }
};

}  // namespace Seam
