#pragma once

#include <memory>
#include <string>

class clsAdisDataDict;

// The built-in dictionary "herd" or "national" exactly as the link program holds
// it after start-up (the national one with its not-supported list). An empty
// national version means the program's current one. Nothing for another name or
// an unknown version.
std::shared_ptr<clsAdisDataDict> BuiltInDictionary(const std::string& name,
                                                   const std::string& nationalVersion);
