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
};

// Lines read one after the other and reported on together: the threads meet once
// a chunk, not once a line.
struct Chunk {
    std::vector<BatchLine> lines;
    bool done = false;
};

// The chunks of a batch between their reading and their writing. A reader appends
// them, workers report on them in any order, and the writer takes them in order,
// each as soon as it and all before it are done.
class Batch {
public:
    explicit Batch(std::size_t ahead) : ahead_(ahead) {}

    // The reader's: false once the writer has stopped.
    bool Append(Chunk chunk)
    {
        std::unique_lock lock(mutex_);
        room_.wait(lock, [this] { return chunks_.size() < ahead_ || stopped_; });
        if (stopped_) return false;
        chunks_.push_back(std::move(chunk));
        work_.notify_one();
        return true;
    }
    void EndOfInput()
    {
        const std::lock_guard lock(mutex_);
        endOfInput_ = true;
        work_.notify_all();
        front_.notify_one();
    }

    // A worker's: the next chunk nobody reports on yet; none once there is none left.
    Chunk* Take()
    {
        std::unique_lock lock(mutex_);
        work_.wait(lock, [this] { return taken_ < chunks_.size() || endOfInput_ || stopped_; });
        if (taken_ == chunks_.size() || stopped_) return nullptr;
        return &chunks_[taken_++];
    }
    void Done(Chunk& chunk)
    {
        const std::lock_guard lock(mutex_);
        chunk.done = true;
        if (&chunk == &chunks_.front()) front_.notify_one();
    }

    // The writer's: the first chunk, once it is done; none at the end.
    std::optional<Chunk> Next()
    {
        std::unique_lock lock(mutex_);
        front_.wait(lock, [this] {
            return (!chunks_.empty() && chunks_.front().done) || (chunks_.empty() && endOfInput_);
        });
        if (chunks_.empty()) return std::nullopt;
        Chunk chunk = std::move(chunks_.front());
        chunks_.pop_front();
        --taken_;
        room_.notify_one();
        return chunk;
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
    std::condition_variable work_;  // workers wait for chunks
    std::condition_variable front_; // the writer waits for the first chunk to be done
    std::deque<Chunk> chunks_;      // references stay valid while chunks come and go
    std::size_t taken_ = 0;         // chunks_ taken by workers, from the front
    bool endOfInput_ = false;
    bool stopped_ = false;
};

// A chunk ends after this many lines, or where no more input is at hand, so that a
// line typed at a terminal is reported at once.
constexpr std::size_t kChunkLines = 64;

void ReadLines(std::istream& in, Batch& batch)
{
    Chunk chunk;
    std::string text;
    for (std::size_t number = 1; std::getline(in, text); ++number) {
        if (text.ends_with('\r')) text.pop_back();
        const std::size_t start = text.find_first_not_of(" \t");
        BatchLine& line = chunk.lines.emplace_back();
        line.number = number;
        line.skipped = start == std::string::npos || text[start] == '#';
        line.text = std::move(text);
        if (chunk.lines.size() == kChunkLines || in.rdbuf()->in_avail() <= 0) {
            if (!batch.Append(std::move(chunk))) return;
            chunk = Chunk();
        }
    }
    if (!chunk.lines.empty() && !batch.Append(std::move(chunk))) return;
    batch.EndOfInput();
}

} // namespace

int ReportLines(std::istream& in, std::ostream& out, std::ostream& err,
                const ReportRequest& request)
{
    // Each report is a program of its own: every core takes chunks of lines.
    const std::size_t workers = std::max(1U, std::thread::hardware_concurrency());
    Batch batch(4 * workers);
    // Reading must not flush `out` (as std::cin does std::cout) from the reader's
    // thread while this one writes to it.
    std::ostream* const tied = in.tie(nullptr);
    std::thread reader(ReadLines, std::ref(in), std::ref(batch));
    std::vector<std::thread> reporting;
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

    int status = 0;
    bool first = true;
    while (const std::optional<Chunk> chunk = batch.Next()) {
        for (const BatchLine& line : chunk->lines) {
            if (line.skipped) continue;
            if (!line.report) {
                err << NoAddressMessage(line.text, line.number) << std::flush;
                status = 1;
                continue;
            }
            // Text and HTML reports are blocks of lines: one blank line between two.
            if (!first && request.format != ReportFormat::Json) out << '\n';
            first = false;
            out << *line.report;
        }
        out << std::flush;
        if (!out) break;
    }
    batch.Stop();
    for (std::thread& worker : reporting)
        worker.join();
    // A reader still waiting for input that nobody will see is left to wait; the
    // program ends with it.
    if (out) {
        reader.join();
        in.tie(tied);
    } else {
        reader.detach();
    }
    return status;
}

} // namespace quorvane
