#pragma once
// The project's web pages that the About dialog opens.

inline constexpr const char* kHomePageAddress = "https://glyphmason.org/";
inline constexpr const char* kLicencePageAddress = "https://glyphmason.org/licence";
// Questions, suggestions and bug reports.
inline constexpr const char* kContactPageAddress = "https://glyphmason.org/issues";
