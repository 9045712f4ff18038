// SPDX-License-Identifier: MIT
#include "CommandLineRun.h"

#include "AddressInText.h"
#include "Corrections.h"
#include "FieldModel.h"
#include "Program.h"
#include "ReportHtml.h"
#include "ReportJson.h"
#include "ReportText.h"
#include "ResultsReport.h"

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <istream>
#include <mutex>
#include <ostream>
#include <thread>

namespace quorvane {

std::optional<Report> ReportOf(std::string_view text, const ReportRequest& request)
{
    // A text without an address would go into the box as any pasted text does.
    const std::optional<PastedAddress> address = FindAddress(text);
    if (!address) return std::nullopt;
    FieldModel window;
    const Program program(window);
    if (request.supernet) window.Click(Field::Subsuper2);
    window.Paste(Field::IP_Part4, text);

    Report report;
    report.notes = NotTakenAsWritten(*address, window);
    if (request.format == ReportFormat::Json) {
        report.text =
            ReportJson(window, HostListReport(window, request.listLines), text, report.notes) +
            "\n";
        return report;
    }
    std::vector<ReportTable> tables = ResultsReport(window, request.listLines);
    // Under the address's own facts, where the reader looks first.
    for (const std::string& note : report.notes)
        tables.front().rows.push_back({"Note:", note});
    report.text = request.format == ReportFormat::Html ? ReportHtml(tables) : ReportText(tables);
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
bool Written(std::ostream& out, std::string_view text, std::ostream& err)
{
    errno = 0;
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.flush();
    if (out) return true;
    const int error = errno;
    if (error != EPIPE) {
        err << "quorvane: cannot write to standard output"
            << (error != 0 ? std::string(": ") + std::strerror(error) : std::string()) << '\n'
            << std::flush;
    }
    return false;
}

// Writes a text's notes, or that it held no address; returns its exit status.
int Complain(std::string_view text, const std::optional<Report>& report, std::ostream& err,
             std::optional<std::size_t> line = {})
{
    if (!report) {
        err << NoAddressMessage(text, line);
        return exit_status::kNotAsWritten;
    }
    for (const std::string& note : report->notes)
        err << NoteMessage(text, note, line);
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
    BatchWriter(std::ostream& out, std::ostream& err, const ReportRequest& request)
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
            // Text and HTML reports are blocks of lines: one blank line between two.
            if (!first_ && request_.format != ReportFormat::Json) reports += '\n';
            first_ = false;
            reports += line.report->text;
        }
        err_ << std::flush;
        if (Written(out_, reports, err_)) return true;
        status_ = exit_status::kCannotWrite;
        return false;
    }
    int Status() const { return status_; }

private:
    std::ostream& out_;
    std::ostream& err_;
    const ReportRequest& request_;
    bool first_ = true;
    int status_ = exit_status::kDone;
};

} // namespace

int ReportOne(std::string_view text, std::ostream& out, std::ostream& err,
              const ReportRequest& request)
{
    const std::optional<Report> report = ReportOf(text, request);
    const int status = Complain(text, report, err);
    err << std::flush;
    if (!report) return status;
    return Written(out, report->text, err) ? status : exit_status::kCannotWrite;
}

int ReportLines(std::istream& in, std::ostream& out, std::ostream& err,
                const ReportRequest& request)
{
    // Each report is a program of its own: every core takes chunks of lines, while
    // this thread reads the lines and writes the reports. No thread outlives the run.
    const std::size_t workers = std::max(1U, std::thread::hardware_concurrency());
    const std::size_t ahead = 4 * workers;
    Batch batch;
    std::vector<std::jthread> reporting;
    for (std::size_t i = 0; i < workers; ++i) {
        reporting.emplace_back([&batch, &request] {
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
    for (std::size_t number = 1; writing && std::getline(in, text); ++number) {
        if (text.ends_with('\r')) text.pop_back();
        const std::size_t start = text.find_first_not_of(" \t");
        BatchLine& line = chunk.lines.emplace_back();
        line.number = number;
        line.skipped = start == std::string::npos || text[start] == '#';
        line.text = std::move(text);
        const bool waitingForInput = in.rdbuf()->in_avail() <= 0;
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

} // namespace quorvane
