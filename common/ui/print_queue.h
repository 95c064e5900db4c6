// The print system (CUPS) seen from one print run: which queues exist, what state the chosen
// one is in, and handing it finished PDF documents as named jobs. Every call is bounded in
// time, so that a print server that stops answering costs seconds, never the window; the
// blocking calls may run on any thread.
#pragma once

#include <string>
#include <vector>

namespace hc {

// Seconds one exchange with the print server may stay silent before it is given up.
inline constexpr double kPrintServerTimeout = 3.0;

struct PrinterList {
    enum class Service {
        Up,       // the server answered
        Absent,   // nothing listens: no print system on this machine
        Silent,   // it did not answer in time, or answered nonsense
    };
    Service service = Service::Absent;
    std::vector<std::string> names;
    std::string defaultName;  // empty when there is none
};

// The queues the print server offers (blocking, bounded).
PrinterList ListPrinters();

// What a queue said about one print run.
struct QueueAnswer {
    enum class Outcome {
        Accepted,  // every document is a job (job ids)
        Waiting,   // accepted, but the queue is paused: the jobs wait
        Refused,   // the queue does not accept jobs, or refused this one
        Missing,   // no queue of that name
        NoService, // the print server could not be reached or did not answer
    };
    Outcome outcome = Outcome::NoService;
    std::vector<int> jobIds;
    std::string reason;  // the queue's own words (printer-state-message, or the IPP error)
};

// The state of queue `printer` before anything is sent (blocking, bounded). Accepted when it
// takes jobs now, Waiting when it takes them but is paused.
QueueAnswer CheckQueue(const std::string& printer);

struct PrintJob {
    std::string printer;
    std::string title;             // the job name; the k-th document adds " (k)"
    std::string media;             // PWG media name, "iso_a4_210x297mm"
    int copies = 1;
    bool collate = true;
    bool monochrome = false;
    std::string sides;             // "one-sided", "two-sided-long-edge", ...; empty: the queue's
    std::vector<std::string> documents;  // PDF files' bytes, one job each
};

// Sends each document as a job of its own (blocking, bounded by the server's silence).
QueueAnswer SubmitJobs(const PrintJob& job);

// The PWG name of a paper size in millimetres ("iso_a4_210x297mm", "na_letter_8.5x11in").
std::string MediaName(double widthMm, double heightMm);

// The Japanese line for what a queue answered, as the status bar or a message box says it.
std::string QueueAnswerText(const std::string& printer, const QueueAnswer& answer);

}  // namespace hc
