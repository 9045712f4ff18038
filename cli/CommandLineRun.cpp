// SPDX-License-Identifier: MIT
#include "CommandLineRun.h"

#include "AddressInText.h"
#include "Corrections.h"
#include "FieldModel.h"
#include "Program.h"
#include "ResultsReport.h"
#include "Streams.h"

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <deque>
#include <mutex>
#include <thread>

namespace quorvane {

namespace {

// How to see the list a screenful leaves out: "6 subnets; see them with --list 6 or
// --full". Nothing where there is no list.
std::optional<std::vector<std::string>> ListHint(const Window& window)
{
    const std::optional<ReportTable> list = HostListReport(window, 1);
    if (!list || list->rows.empty()) return std::nullopt;
    const std::string count = window.Caption(Field::MaxSubnetsValue);
    const int lines = std::min(std::stoi(count), kMaxHostListLines);
    const std::string option = "--list " + std::to_string(lines);
    return std::vector<std::string>{
        "List:", lines == std::stoi(count)
                     ? count + " subnets; see them with " + option + " or --full"
                     : count + " subnets; see the first " + std::to_string(lines) + " with " +
                           option + " or --full"};
}

std::vector<ReportTable> TablesOf(const Window& window, const ReportRequest& request,
                                  const std::vector<std::string>& notes)
{
    std::vector<ReportTable> tables;
    if (request.full) {
        tables = ResultsReport(window, request.listLines.value_or(kMaxHostListLines));
    } else {
        tables.push_back(*SummaryReport(window));
    }
    // Under the address's own facts, where the reader looks first.
    for (const std::string& note : notes)
        tables.front().rows.push_back({"Note:", note});
    if (request.full) return tables;
    if (request.listLines) {
        tables.push_back(*HostListReport(window, *request.listLines));
    } else if (auto hint = ListHint(window)) {
        tables.front().rows.push_back(std::move(*hint));
    }
    return tables;
}

} // namespace

std::optional<Report> ReportOf(std::string_view text, const ReportRequest& request)
{
    // A text without an address would go into the box as any pasted text does.
    const std::optional<PastedAddress> address = FindAddress(text);
    if (!address) return std::nullopt;
    // Every list a report gives is worked out from the labels, never read from the box.
    FieldModel window(".", FieldModel::HostListBox::Unseen);
    const Program program(window);
    if (request.supernet) window.Click(Field::Subsuper2);
    window.Paste(Field::IP_Part4, text);

    Report report;
    report.notes = NotTakenAsWritten(*address, window);
    std::optional<ReportTable> list;
    if (request.full || request.listLines)
        list = HostListReport(window, request.listLines.value_or(kMaxHostListLines));
    const ReportContent content{
        window, text, report.notes,
        [&window, &request, &report] { return TablesOf(window, request, report.notes); },
        std::move(list)};
    report.text = request.format->write(content);
    return report;
}

std::string NoAddressMessage(std::string_view text, std::optional<std::size_t> line)
{
    std::string message = "quorvane: ";
    if (line) message += "line " + std::to_string(*line) + ": ";
    return message + "no IPv4 address in \"" + std::string(text) + "\"\n";
}

std::string NoteMessage(std::string_view text, std::string_view note,
                        std::optional<std::size_t> line)
{
    std::string message = "quorvane: ";
    if (line) message += "line " + std::to_string(*line) + ": ";
    return message + std::string(text) + ": " + std::string(note) + "\n";
}

namespace {

// Writes `text` to `out` at once; false when it did not all go out, with the reason
// on `err`, but for a reader that stopped early (a pipe into head), which ends the
// run quietly.
bool Written(int out, std::string_view text, int err)
{
    if (WriteAll(out, text)) return true;
    const int error = errno;
    if (error != EPIPE) {
        WriteAll(err, "quorvane: cannot write to standard output: " +
                          std::string(std::strerror(error)) + "\n");
    }
    return false;
}

// Writes a text's notes, or that it held no address; returns its exit status.
int Complain(std::string_view text, const std::optional<Report>& report, int err,
             std::optional<std::size_t> line = {})
{
    if (!report) {
        WriteAll(err, NoAddressMessage(text, line));
        return exit_status::kNotAsWritten;
    }
    std::string notes;
    for (const std::string& note : report->notes)
        notes += NoteMessage(text, note, line);
    WriteAll(err, notes);
    return report->notes.empty() ? exit_status::kDone : exit_status::kNotAsWritten;
}

// One line of a batch, from its reading to its writing.
struct BatchLine {
    std::size_t number = 0;
    std::string text;
    bool skipped = false; // blank, or a comment
    std::optional<Report> report;
};

// Lines read one after the other and reported on together: the threads meet once
// a chunk, not once a line.
struct Chunk {
    std::vector<BatchLine> lines;
    bool done = false;
};

// The chunks of a batch between their reading and their writing. The run appends
// them, workers report on them in any order, and the run takes them back in order,
// each once it is done.
class Batch {
public:
    void Append(Chunk chunk)
    {
        const std::lock_guard lock(mutex_);
        chunks_.push_back(std::move(chunk));
        work_.notify_one();
    }
    std::size_t Pending()
    {
        const std::lock_guard lock(mutex_);
        return chunks_.size();
    }

    // A worker's: the next chunk nobody reports on yet; none once the run stops.
    Chunk* Take()
    {
        std::unique_lock lock(mutex_);
        work_.wait(lock, [this] { return taken_ < chunks_.size() || stopped_; });
        if (stopped_) return nullptr;
        return &chunks_[taken_++];
    }
    void Done(Chunk& chunk)
    {
        const std::lock_guard lock(mutex_);
        chunk.done = true;
        if (&chunk == &chunks_.front()) front_.notify_one();
    }

    // The first chunk, waiting until it is done when `wait`; none when there is no
    // chunk, or it is not done and the run does not wait.
    std::optional<Chunk> Front(bool wait)
    {
        std::unique_lock lock(mutex_);
        if (wait) front_.wait(lock, [this] { return chunks_.empty() || chunks_.front().done; });
        if (chunks_.empty() || !chunks_.front().done) return std::nullopt;
        Chunk chunk = std::move(chunks_.front());
        chunks_.pop_front();
        --taken_;
        return chunk;
    }
    void Stop()
    {
        const std::lock_guard lock(mutex_);
        stopped_ = true;
        work_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable work_;  // workers wait for chunks
    std::condition_variable front_; // the run waits for the first chunk to be done
    std::deque<Chunk> chunks_;      // references stay valid while chunks come and go
    std::size_t taken_ = 0;         // chunks_ taken by workers, from the front
    bool stopped_ = false;
};

// A chunk ends after this many lines, or where no more input is at hand.
constexpr std::size_t kChunkLines = 64;

// The reports of a batch, written in order.
class BatchWriter {
public:
    BatchWriter(int out, int err, const ReportRequest& request)
        : out_(out), err_(err), request_(request)
    {
    }

    // Writes a chunk's reports at once; false once `out` cannot be written.
    bool Write(const Chunk& chunk)
    {
        std::string reports;
        for (const BatchLine& line : chunk.lines) {
            if (line.skipped) continue;
            status_ = std::max(status_, Complain(line.text, line.report, err_, line.number));
            if (!line.report) continue;
            if (!first_) reports += request_.format->between;
            first_ = false;
            reports += line.report->text;
        }
        if (Written(out_, reports, err_)) return true;
        status_ = exit_status::kCannotWrite;
        return false;
    }
    int Status() const { return status_; }

private:
    int out_;
    int err_;
    const ReportRequest& request_;
    bool first_ = true;
    int status_ = exit_status::kDone;
};

} // namespace

int ReportOne(std::string_view text, int out, int err, const ReportRequest& request)
{
    const std::optional<Report> report = ReportOf(text, request);
    const int status = Complain(text, report, err);
    if (!report) return status;
    return Written(out, report->text, err) ? status : exit_status::kCannotWrite;
}

int ReportLines(int in, int out, int err, const ReportRequest& request)
{
    // Each report is a program of its own: every core takes chunks of lines, while
    // this thread reads the lines and writes the reports. No thread outlives the run.
    const std::size_t workers = std::max(1U, std::thread::hardware_concurrency());
    const std::size_t ahead = 4 * workers;
    Batch batch;
    // Joined however the run ends, as std::jthread would be (which not every standard
    // library this is built with has: WebAssembly's libc++ 14 lacks it).
    struct Joined {
        std::vector<std::thread> threads;
        ~Joined()
        {
            for (std::thread& thread : threads)
                thread.join();
        }
    } reporting;
    for (std::size_t i = 0; i < workers; ++i) {
        reporting.threads.emplace_back([&batch, &request] {
            while (Chunk* chunk = batch.Take()) {
                for (BatchLine& line : chunk->lines) {
                    if (!line.skipped) line.report = ReportOf(line.text, request);
                }
                batch.Done(*chunk);
            }
        });
    }
    BatchWriter writer(out, err, request);
    // Writes the chunks done so far, or, when `all`, every chunk read.
    const auto writeDone = [&batch, &writer](bool all) {
        while (const std::optional<Chunk> chunk = batch.Front(all)) {
            if (!writer.Write(*chunk)) return false;
        }
        return true;
    };

    bool writing = true;
    Chunk chunk;
    std::string text;
    InputLines lines(in);
    for (std::size_t number = 1; writing && lines.Next(text); ++number) {
        const std::size_t start = text.find_first_not_of(" \t");
        BatchLine& line = chunk.lines.emplace_back();
        line.number = number;
        line.skipped = start == std::string::npos || text[start] == '#';
        line.text = std::move(text);
        const bool waitingForInput = !lines.AtHand();
        if (chunk.lines.size() < kChunkLines && !waitingForInput) continue;
        batch.Append(std::exchange(chunk, Chunk()));
        writing = writeDone(false);
        // Before the run waits for input, everything read is answered; and it reads
        // no further ahead of what it has written than the workers can use.
        while (writing && (waitingForInput || batch.Pending() >= ahead) && batch.Pending() > 0) {
            const std::optional<Chunk> front = batch.Front(true);
            writing = writer.Write(*front);
        }
    }
    if (writing && !chunk.lines.empty()) batch.Append(std::move(chunk));
    if (writing) writeDone(true);
    batch.Stop();
    return writer.Status();
}

int RunReports(const ReportsWanted& wanted)
{
    // The descriptors behind the C library's streams, which a window program on
    // Windows points at the console it was started from.
    const int out = fileno(stdout);
    const int err = fileno(stderr);
    if (wanted.fromStandardInput) return ReportLines(fileno(stdin), out, err, wanted.request);
    return ReportOne(wanted.text, out, err, wanted.request);
}

} // namespace quorvane
