#include "print/QueueState.h"

#include "print/CupsClient.h"

namespace quillora::print {

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
