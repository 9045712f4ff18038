// SPDX-License-Identifier: MIT
#include "CommandLineRun.h"

#include "AddressInText.h"
#include "FieldModel.h"
#include "Program.h"
#include "ReportHtml.h"
#include "ReportJson.h"
#include "ReportText.h"
#include "ResultsReport.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <functional>
#include <istream>
#include <mutex>
#include <ostream>
#include <thread>
#include <vector>

namespace quorvane {

std::optional<std::string> ReportOf(std::string_view text, const ReportRequest& request)
{
    // A text without an address would go into the box as any pasted text does.
    if (!FindAddress(text)) return std::nullopt;
    FieldModel window;
    const Program program(window);
    if (request.supernet) window.Click(Field::Subsuper2);
    window.Paste(Field::IP_Part4, text);

    switch (request.format) {
    case ReportFormat::Json:
        return ReportJson(window, HostListReport(window, request.listLines), text) + "\n";
    case ReportFormat::Html: return ReportHtml(ResultsReport(window, request.listLines));
    case ReportFormat::Text: break;
    }
    return ReportText(ResultsReport(window, request.listLines));
}

std::string NoAddressMessage(std::string_view text, std::optional<std::size_t> line)
{
    std::string message = "quorvane: ";
    if (line) message += "line " + std::to_string(*line) + ": ";
    return message + "no IPv4 address in \"" + std::string(text) + "\"\n";
}

namespace {

// One line of a batch, from its reading to its writing.
struct BatchLine {
    std::size_t number = 0;
    std::string text;
    bool skipped = false; // blank, or a comment
    std::optional<std::string> report;
    bool done = false;
};

// The lines of a batch between their reading and their writing. A reader appends
// them, workers report on them in any order, and the writer takes them in order,
// each as soon as it and all before it are done.
class Batch {
public:
    explicit Batch(std::size_t ahead) : ahead_(ahead) {}

    // The reader's: false once the writer has stopped.
    bool Append(BatchLine line)
    {
        std::unique_lock lock(mutex_);
        room_.wait(lock, [this] { return lines_.size() < ahead_ || stopped_; });
        if (stopped_) return false;
        const bool done = line.done;
        lines_.push_back(std::move(line));
        if (done && lines_.size() == 1) front_.notify_one();
        if (!done) work_.notify_one();
        return true;
    }
    void EndOfInput()
    {
        const std::lock_guard lock(mutex_);
        endOfInput_ = true;
        work_.notify_all();
        front_.notify_one();
    }

    // A worker's: the next line nobody reports on yet; none once there is none left.
    BatchLine* Take()
    {
        std::unique_lock lock(mutex_);
        for (;;) {
            // Lines that need no report are passed over.
            while (taken_ < lines_.size() && lines_[taken_].done)
                ++taken_;
            if (taken_ < lines_.size() && !stopped_) return &lines_[taken_++];
            if (endOfInput_ || stopped_) return nullptr;
            work_.wait(lock);
        }
    }
    void Done(BatchLine& line, std::optional<std::string> report)
    {
        const std::lock_guard lock(mutex_);
        line.report = std::move(report);
        line.done = true;
        if (&line == &lines_.front()) front_.notify_one();
    }

    // The writer's: the first line, once it is done; none at the end.
    std::optional<BatchLine> Next()
    {
        std::unique_lock lock(mutex_);
        front_.wait(lock, [this] {
            return (!lines_.empty() && lines_.front().done) || (lines_.empty() && endOfInput_);
        });
        if (lines_.empty()) return std::nullopt;
        BatchLine line = std::move(lines_.front());
        lines_.pop_front();
        if (taken_ > 0) --taken_;
        room_.notify_one();
        return line;
    }
    void Stop()
    {
        const std::lock_guard lock(mutex_);
        stopped_ = true;
        room_.notify_all();
        work_.notify_all();
    }

private:
    const std::size_t ahead_;
    std::mutex mutex_;
    std::condition_variable room_;  // the reader waits for room
    std::condition_variable work_;  // workers wait for lines
    std::condition_variable front_; // the writer waits for the first line to be done
    std::deque<BatchLine> lines_;   // references stay valid while lines come and go
    std::size_t taken_ = 0;         // lines_ taken by workers, from the front
    bool endOfInput_ = false;
    bool stopped_ = false;
};

void ReadLines(std::istream& in, Batch& batch)
{
    std::string text;
    for (std::size_t number = 1; std::getline(in, text); ++number) {
        if (text.ends_with('\r')) text.pop_back();
        const std::size_t start = text.find_first_not_of(" \t");
        BatchLine line;
        line.number = number;
        line.text = std::move(text);
        line.skipped = start == std::string::npos || line.text[start] == '#';
        line.done = line.skipped;
        if (!batch.Append(std::move(line))) return;
    }
    batch.EndOfInput();
}

} // namespace

int ReportLines(std::istream& in, std::ostream& out, std::ostream& err,
                const ReportRequest& request)
{
    // Every core reports on lines of its own: each report is a program of its own.
    const std::size_t workers = std::max(1U, std::thread::hardware_concurrency());
    // Reading must not flush `out` (as std::cin does std::cout) from the reader's
    // thread while this one writes to it.
    std::ostream* const tied = in.tie(nullptr);
    Batch batch(64 * workers);
    std::thread reader(ReadLines, std::ref(in), std::ref(batch));
    std::vector<std::thread> reporting;
    for (std::size_t i = 0; i < workers; ++i) {
        reporting.emplace_back([&batch, &request] {
            while (BatchLine* line = batch.Take())
                batch.Done(*line, ReportOf(line->text, request));
        });
    }

    int status = 0;
    bool first = true;
    while (const std::optional<BatchLine> line = batch.Next()) {
        if (line->skipped) continue;
        if (!line->report) {
            err << NoAddressMessage(line->text, line->number) << std::flush;
            status = 1;
            continue;
        }
        // Text and HTML reports are blocks of lines: one blank line between two.
        if (!first && request.format != ReportFormat::Json) out << '\n';
        first = false;
        out << *line->report << std::flush;
        if (!out) break;
    }
    batch.Stop();
    for (std::thread& worker : reporting)
        worker.join();
    // A reader still waiting for input nobody will see reads on alone; the program
    // ends with it.
    if (out) {
        reader.join();
        in.tie(tied);
    } else {
        reader.detach();
    }
    return status;
}

} // namespace quorvane
