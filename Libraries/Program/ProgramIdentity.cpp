#include "Libraries/Program/ProgramIdentity.h"

#include "Libraries/Text/Translation.h"

std::string ProgramVersionText() {
  //: %1 is the version number, %2 the release date, as they stand
  return FilledIn(Translated("ProgramIdentity", "Version %1, released on %2"),
                  {kProgramVersionNumber, kProgramReleaseDate});
}
