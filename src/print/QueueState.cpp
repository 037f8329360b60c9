#include "print/QueueState.h"

#include <cups/cups.h>
#include <dlfcn.h>

namespace quillora::print {

namespace {

// The print system's client library, loaded when a queue is first asked about: linked to the
// program, it and the TLS, Kerberos and crypto libraries it needs would hold some 3.5 MB from
// the start of every run, printing or not.
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
};

template <typename Function>
bool Find(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(::dlsym(library, name));
    return function != nullptr;
}

// Null when the library is not there; it stays loaded once it is.
const CupsClient* Cups() {
    static const auto client = []() -> std::optional<CupsClient> {
        void* library = ::dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL);
        CupsClient c;
        if (!library || !Find(library, "httpAssembleURI", c.assembleUri) ||
            !Find(library, "ippNewRequest", c.newRequest) || !Find(library, "ippAddString", c.addString) ||
            !Find(library, "ippAddStrings", c.addStrings) || !Find(library, "cupsDoRequest", c.doRequest) ||
            !Find(library, "ippFindAttribute", c.findAttribute) || !Find(library, "ippGetBoolean", c.getBoolean) ||
            !Find(library, "ippGetString", c.getString) || !Find(library, "ippDelete", c.deleteMessage))
            return std::nullopt;
        return c;
    }();
    return client ? &*client : nullptr;
}

}  // namespace

std::optional<QString> QueueRefusal(const QString& queue) {
    const CupsClient* cups = Cups();
    if (!cups) return std::nullopt;  // no print system: the job will tell
    char uri[HTTP_MAX_URI];
    const QByteArray resource = "/printers/" + queue.toUtf8();
    cups->assembleUri(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0, resource.constData());
    ipp_t* request = cups->newRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    cups->addString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    static const char* const kWanted[] = {"printer-is-accepting-jobs", "printer-state-message"};
    cups->addStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 2, nullptr, kWanted);
    ipp_t* response = cups->doRequest(CUPS_HTTP_DEFAULT, request, "/");
    if (!response) return std::nullopt;  // no scheduler or no such queue: the job will tell
    std::optional<QString> refusal;
    ipp_attribute_t* accepting = cups->findAttribute(response, "printer-is-accepting-jobs", IPP_TAG_BOOLEAN);
    if (accepting && !cups->getBoolean(accepting, 0)) {
        ipp_attribute_t* message = cups->findAttribute(response, "printer-state-message", IPP_TAG_TEXT);
        const char* text = message ? cups->getString(message, 0, nullptr) : nullptr;
        refusal = text && *text ? QString::fromUtf8(text) : QStringLiteral("the queue is not accepting jobs");
    }
    cups->deleteMessage(response);
    return refusal;
}

}  // namespace quillora::print
