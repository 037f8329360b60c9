#pragma once
// The print system's client library, loaded when the program first asks the print system
// something: linked to the program, it and the TLS, Kerberos and crypto libraries it needs would
// hold some 3.5 MB from the start of every run, printing or not.
#include <cups/cups.h>

namespace quillora::print {

struct CupsClient {
    decltype(&httpAssembleURI) assembleUri = nullptr;
    decltype(&ippNewRequest) newRequest = nullptr;
    decltype(&ippAddString) addString = nullptr;
    decltype(&ippAddStrings) addStrings = nullptr;
    decltype(&cupsDoRequest) doRequest = nullptr;
    decltype(&ippFindAttribute) findAttribute = nullptr;
    decltype(&ippGetBoolean) getBoolean = nullptr;
    decltype(&ippGetString) getString = nullptr;
    decltype(&ippDelete) deleteMessage = nullptr;
    // cupsGetPPD: the driver's disc options are in the queue's PPD only, which the newer
    // interfaces do not show.
    const char* (*getPpd)(const char* queue) = nullptr;
    decltype(&cupsAddOption) addOption = nullptr;
    decltype(&cupsFreeOptions) freeOptions = nullptr;
    decltype(&cupsPrintFile) printFile = nullptr;
    decltype(&cupsLastErrorString) lastErrorString = nullptr;
};

// Null when the library is not there; it stays loaded once it is.
const CupsClient* Cups();

}  // namespace quillora::print
