// SPDX-License-Identifier: MIT
#pragma once

// The C library's names for the locales of countries that write numbers
// differently. Windows' C runtime knows them by language and country, with the code
// page; the GNU C library by language_COUNTRY and the encoding.
namespace quorvane::locale_names {
#ifdef _WIN32
inline constexpr const char* kGerman = "German_Germany.1252";
inline constexpr const char* kFrench = "French_France.1252";
inline constexpr const char* kArabic = "Arabic_Egypt.1256";
#else
inline constexpr const char* kGerman = "de_DE.UTF-8";
inline constexpr const char* kFrench = "fr_FR.UTF-8";
inline constexpr const char* kArabic = "ar_EG.UTF-8";
#endif
} // namespace quorvane::locale_names
