#pragma once

// Program-wide objects the exchange shares with the national functions: the
// herd-management dictionary, the answer file that receives the ISO
// application's answers, the collection of reading messages, and whether the
// main window is shown. The start-up sets the dictionary; the window sets its
// visibility. Before that the dictionary is empty and the window hidden.

#include <memory>

class clsAdisDataDict;
class clsAdisDataFile;
class clsMessages;

namespace modMirelCom {

std::shared_ptr<clsAdisDataDict> HerdDataDict();
void SetHerdDataDict(std::shared_ptr<clsAdisDataDict> dict);

clsAdisDataFile& SharedAnswerFile();
clsMessages& SharedMessages();

bool MainWindowVisible();
void SetMainWindowVisible(bool visible);

} // namespace modMirelCom
