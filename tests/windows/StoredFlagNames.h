// The fourteen flag values under the settings key, in the order they are loaded, as the
// tests expect to find them in the registry.
#pragma once

inline const char* const kStoredFlagNames[] = {"DocumentHistory",
                                               "FindSearch",
                                               "Run",
                                               "TempFiles",
                                               "RecycleBin",
                                               "CleanAtStartUp",
                                               "CleanAtShutDown",
                                               "InternetCookies",
                                               "InternetHistory",
                                               "InternetURLHistory",
                                               "PasswordProtected",
                                               "DisplayProgress",
                                               "Report",
                                               "TempInternet"};
