#pragma once

// Program-wide objects of the national side: the national dictionary (set by the
// start-up) and the data file that receives a national file read by a national
// function. Before the start-up the dictionary is empty.

#include <memory>

class clsAdisDataDict;
class clsAdisDataFile;

namespace modNational {

std::shared_ptr<clsAdisDataDict> NationalDataDict();
void SetNationalDataDict(std::shared_ptr<clsAdisDataDict> dict);

clsAdisDataFile& SharedNationalFile();

} // namespace modNational
