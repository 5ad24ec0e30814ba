#pragma once

#include <string>
#include <vector>

// The rows of a query on the simulator's herd database, each as its columns'
// texts joined by "|" (NULL as "<null>"). A failing query fails the test.
std::vector<std::string> HerdDbRows(const std::string& databasePath, const std::string& sql);
