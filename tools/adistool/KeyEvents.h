#pragma once

#include <memory>
#include <string>

class clsAdisDataDict;
class clsAdisEvents;

// The key events of an answer to a request file, as the program reads a herd
// answer: one event for each request (R-line) of the file, with the request's
// items and the key items the dictionary gives its event. A requested event the
// dictionary lacks (the herd request events 000000-000002) gets no key items,
// so its answer lines are all kept, keyed in the order they arrive. Nothing
// when the file cannot be read.
std::shared_ptr<clsAdisEvents> RequestKeyEvents(const std::string& requestFile,
                                                const clsAdisDataDict& dict);
