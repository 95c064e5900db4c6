#include "common/ui/print_queue.h"

#include <cups/cups.h>
#include <cups/pwg.h>

#include <sys/socket.h>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <iterator>

#include "common/core/language.h"

namespace hc {

namespace {

// httpSetTimeout's callback: a server silent for the whole timeout is given up at once.
int GiveUp(http_t*, void*) {
    return 0;
}

// One connection to the configured print server (CUPS_SERVER, client.conf, the local socket).
class Connection {
  public:
    Connection() {
        const auto start = std::chrono::steady_clock::now();
        errno = 0;
        http_ = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                             static_cast<int>(kPrintServerTimeout * 1000), nullptr);
        if (http_) {
            httpSetTimeout(http_, kPrintServerTimeout, GiveUp, nullptr);
            service_ = PrinterList::Service::Up;
            return;
        }
        // Nothing listening is refused at once; a server that is there but hangs is not.
        const int error = errno;
        const double waited =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        service_ = error == ECONNREFUSED || error == ENOENT || waited < kPrintServerTimeout / 2
                       ? PrinterList::Service::Absent
                       : PrinterList::Service::Silent;
    }
    ~Connection() {
        if (http_)
            httpClose(http_);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    http_t* Http() const { return http_; }
    PrinterList::Service Service() const { return service_; }

  private:
    http_t* http_ = nullptr;
    PrinterList::Service service_ = PrinterList::Service::Absent;
};

// True when the last request failed because the connection did (silence, a reset), not
// because the server said no.
bool ConnectionFailed(http_t* http) {
    ipp_status_t s = cupsLastError();
    return httpError(http) != 0 || s == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE ||
           s == IPP_STATUS_ERROR_INTERNAL;
}

std::string LastError() {
    const char* text = cupsLastErrorString();
    return text ? text : "";
}

QueueAnswer Answer(QueueAnswer::Outcome outcome, std::string reason = {}) {
    QueueAnswer a;
    a.outcome = outcome;
    a.reason = std::move(reason);
    return a;
}

QueueAnswer CheckQueueOn(http_t* http, const std::string& printer, bool isClass = false) {
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(),
                     isClass ? "/classes/%s" : "/printers/%s", printer.c_str());
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    static const char* const kWanted[] = {"printer-is-accepting-jobs", "printer-state",
                                          "printer-state-message", "printer-state-reasons"};
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                  static_cast<int>(std::size(kWanted)), nullptr, kWanted);
    ipp_t* response = cupsDoRequest(http, request, "/");
    const ipp_status_t status = cupsLastError();
    if (status == IPP_STATUS_ERROR_NOT_FOUND) {
        ippDelete(response);
        // A class of printers is a queue too.
        return isClass ? Answer(QueueAnswer::Outcome::Missing) : CheckQueueOn(http, printer, true);
    }
    if (!response || status > IPP_STATUS_OK_EVENTS_COMPLETE) {
        ippDelete(response);
        return ConnectionFailed(http) ? Answer(QueueAnswer::Outcome::NoService, LastError())
                                      : Answer(QueueAnswer::Outcome::Refused, LastError());
    }
    std::string message;
    if (ipp_attribute_t* a = ippFindAttribute(response, "printer-state-message", IPP_TAG_TEXT))
        if (const char* m = ippGetString(a, 0, nullptr))
            message = m;
    if (message.empty()) {
        // Without a message the reasons name the trouble ("paused", "media-jam-error").
        if (ipp_attribute_t* a =
                ippFindAttribute(response, "printer-state-reasons", IPP_TAG_KEYWORD)) {
            for (int i = 0; i < ippGetCount(a); ++i) {
                std::string r = ippGetString(a, i, nullptr);
                if (r != "none")
                    message += (message.empty() ? "" : ", ") + r;
            }
        }
    }
    bool accepting = true;
    if (ipp_attribute_t* a =
            ippFindAttribute(response, "printer-is-accepting-jobs", IPP_TAG_BOOLEAN))
        accepting = ippGetBoolean(a, 0) != 0;
    int state = IPP_PSTATE_IDLE;
    if (ipp_attribute_t* a = ippFindAttribute(response, "printer-state", IPP_TAG_ENUM))
        state = ippGetInteger(a, 0);
    ippDelete(response);
    if (!accepting)
        return Answer(QueueAnswer::Outcome::Refused, message);
    if (state == IPP_PSTATE_STOPPED)
        return Answer(QueueAnswer::Outcome::Waiting, message);
    return Answer(QueueAnswer::Outcome::Accepted);
}

// The answer to a failed job request: gone, silent or a refusal in the server's words.
QueueAnswer JobFailure(http_t* http) {
    if (cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND)
        return Answer(QueueAnswer::Outcome::Missing);
    if (ConnectionFailed(http))
        return Answer(QueueAnswer::Outcome::NoService, LastError());
    return Answer(QueueAnswer::Outcome::Refused, LastError());
}

}  // namespace

PrinterList ListPrinters() {
    PrinterList list;
    Connection c;
    list.service = c.Service();
    if (!c.Http())
        return list;
    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests2(c.Http(), &dests);
    // No queue at all is answered "not found"; anything else that failed is a server in trouble.
    if (count == 0 && cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE &&
        cupsLastError() != IPP_STATUS_ERROR_NOT_FOUND)
        list.service = PrinterList::Service::Silent;
    for (int i = 0; i < count; ++i) {
        if (dests[i].instance)
            continue;  // an lpoptions instance prints on the queue already listed
        list.names.emplace_back(dests[i].name);
        if (dests[i].is_default)
            list.defaultName = dests[i].name;
    }
    cupsFreeDests(count, dests);
    return list;
}

QueueAnswer CheckQueue(const std::string& printer) {
    Connection c;
    if (!c.Http())
        return Answer(QueueAnswer::Outcome::NoService);
    return CheckQueueOn(c.Http(), printer);
}

QueueAnswer SubmitJobs(const PrintJob& job) {
    Connection c;
    if (!c.Http())
        return Answer(QueueAnswer::Outcome::NoService);
    http_t* http = c.Http();
    // The queue is asked first: a queue that refuses says why, in its own message.
    QueueAnswer answer = CheckQueueOn(http, job.printer);
    if (answer.outcome != QueueAnswer::Outcome::Accepted &&
        answer.outcome != QueueAnswer::Outcome::Waiting)
        return answer;

    cups_option_t* options = nullptr;
    int n = 0;
    if (!job.media.empty())
        n = cupsAddOption("media", job.media.c_str(), n, &options);
    // The document is already laid out on the paper: the queue must not scale it again.
    n = cupsAddOption("print-scaling", "none", n, &options);
    n = cupsAddIntegerOption("copies", std::max(1, job.copies), n, &options);
    n = cupsAddOption(
        "multiple-document-handling",
        job.collate ? "separate-documents-collated-copies" : "separate-documents-uncollated-copies",
        n, &options);
    if (job.monochrome)
        n = cupsAddOption("print-color-mode", "monochrome", n, &options);
    if (!job.sides.empty())
        n = cupsAddOption("sides", job.sides.c_str(), n, &options);

    for (std::size_t k = 0; k < job.documents.size(); ++k) {
        const std::string title =
            k == 0 ? job.title : job.title + " (" + std::to_string(k + 1) + ")";
        const int id = cupsCreateJob(http, job.printer.c_str(), title.c_str(), n, options);
        if (id <= 0) {
            answer = JobFailure(http);
            break;
        }
        const std::string& pdf = job.documents[k];
        bool sent = cupsStartDocument(http, job.printer.c_str(), id, title.c_str(), CUPS_FORMAT_PDF,
                                      1) == HTTP_STATUS_CONTINUE &&
                    cupsWriteRequestData(http, pdf.data(), pdf.size()) == HTTP_STATUS_CONTINUE;
        // cupsFinishDocument reads the server's answer even after a failed write.
        const ipp_status_t finished = cupsFinishDocument(http, job.printer.c_str());
        if (!sent || finished > IPP_STATUS_OK_EVENTS_COMPLETE) {
            QueueAnswer failure = JobFailure(http);
            cupsCancelJob2(http, job.printer.c_str(), id, 0);
            answer = failure;
            break;
        }
        answer.jobIds.push_back(id);
    }
    cupsFreeOptions(n, options);
    return answer;
}

std::string MediaName(double widthMm, double heightMm) {
    const pwg_media_t* m = pwgMediaForSize(static_cast<int>(std::lround(widthMm * 100)),
                                           static_cast<int>(std::lround(heightMm * 100)));
    return m && m->pwg ? m->pwg : "";
}

std::string QueueAnswerText(const std::string& printer, const QueueAnswer& answer) {
    const std::string why = answer.reason.empty() ? "" : ": " + answer.reason;
    switch (answer.outcome) {
        case QueueAnswer::Outcome::Accepted:
            return {};
        case QueueAnswer::Outcome::Waiting:
            return hc::TS("印刷待ち: プリンタ %1 は停止しています", {printer}) + why;
        case QueueAnswer::Outcome::Refused:
            return hc::TS("プリンタ %1 が印刷を受け付けません", {printer}) + why;
        case QueueAnswer::Outcome::Missing:
            return hc::TS("プリンタ %1 が見つかりません", {printer});
        case QueueAnswer::Outcome::NoService:
            break;
    }
    return hc::TS("印刷サービスに接続できません");
}

}  // namespace hc
