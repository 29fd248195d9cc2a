#pragma once
// Where the program finds its own files: everything it reads or writes by
// itself lies beside the program file. None of these fail; an unknown path is
// empty text. Directory results end with the separator.

#include <string>

// The command-line parameter of that index; 0 is the program file's path.
// Empty text when there is no such parameter.
std::string GetCommandLineParameter(int index);
std::string GetProgramPath();
// Everything of the program path up to and including its last separator.
std::string GetProgramDirectory();
// The program file's name with its extension, without the directory.
std::string GetProgramFileName();
// The program directory (with its separator, when not empty) followed by name.
std::string GetProgramDirFile(const std::string& name);

inline constexpr const char* kGamesFolderName = "GlyphmasonGames";
inline constexpr const char* kDictionariesFolderName = "GlyphmasonDictionaries";
// The games and dictionaries folders beside the program, ending with "/".
std::string GamesDirectory();
std::string DictionariesDirectory();

// The program's icon in the given size of pixels (16, 22, 24, 32, 48, 64, 128
// or 256): its name within a program folder ("Icons/Glyphmason-32.png"), and
// that file beside this program.
std::string ProgramIconName(int size);
std::string ProgramIconFile(int size);
inline constexpr int kProgramIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
