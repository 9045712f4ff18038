// SPDX-License-Identifier: MIT
// What the page calls: a user action, what the window then shows, the reports, the
// link. Every string returned stays valid until the next call.
#include "PageCalls.h"

#include "AddressEntry.h"
#include "AddressInText.h"
#include "Link.h"
#include "PageScreen.h"
#include "ReportHtml.h"
#include "ReportJson.h"
#include "ReportText.h"
#include "ResultsReport.h"

#include <emscripten/emscripten.h>

#include <optional>
#include <string_view>

namespace {

using namespace quorvane;

FieldModel* program = nullptr;
std::string answer;

std::optional<Field> FieldNamed(std::string_view name)
{
    for (const FieldInfo& info : kFieldCatalogue) {
        if (info.name == name) return info.field;
    }
    return std::nullopt;
}

const char* Answer(std::string text)
{
    answer = std::move(text);
    return answer.c_str();
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void quorvane_start(const char* decimalPoint)
{
    program = &StartProgram(decimalPoint);
}

// One user action on a control, by the verbs of a replay script: "type" (each code
// point a keystroke), "back" (one Backspace), "clear", "paste", "pick" (an entry of
// the mask list), "click" (an option); and "focus", the user's move to the control,
// which is typing nothing into it.
EMSCRIPTEN_KEEPALIVE void quorvane_act(const char* verb, const char* fieldName, const char* text)
{
    const std::string_view action = verb;
    const auto field = FieldNamed(fieldName);
    if (program == nullptr || !field) return;
    if (action == "type") program->Type(*field, text);
    if (action == "focus") program->Type(*field, "");
    if (action == "back") program->Backspace(*field, 1);
    if (action == "clear") program->Clear(*field);
    if (action == "paste") program->Paste(*field, text);
    if (action == "pick") program->Pick(text);
    if (action == "click") program->Click(*field);
}

EMSCRIPTEN_KEEPALIVE void quorvane_open_link(const char* link)
{
    if (program != nullptr) OpenLink(link, *program);
}

EMSCRIPTEN_KEEPALIVE const char* quorvane_screen()
{
    return program != nullptr ? Answer(PageScreen(*program)) : "";
}

// The results report as Copy All Results writes it: "text", "html", or "json".
EMSCRIPTEN_KEEPALIVE const char* quorvane_report(const char* format)
{
    if (program == nullptr) return "";
    const std::string_view kind = format;
    if (kind == "json")
        return Answer(ReportJson(*program, HostListReport(*program), LinkOf(*program), {}));
    const std::vector<ReportTable> report = ResultsReport(*program);
    return Answer(kind == "html" ? ReportHtml(report) : ReportText(report));
}

// What Copy All Results puts on the clipboard and then says, as one JSON object:
// "text", "html" and "said".
EMSCRIPTEN_KEEPALIVE const char* quorvane_copy()
{
    if (program == nullptr) return "";
    const std::vector<ReportTable> report = ResultsReport(*program);
    const std::string text = ReportText(report);
    return Answer("{\"text\":" + JsonText(text) + ",\"html\":" + JsonText(ReportHtml(report)) +
                  ",\"said\":" + JsonText(CopiedSaying(text)) + '}');
}

// Whether a text holds an address that a paste into an octet box enters whole.
EMSCRIPTEN_KEEPALIVE int quorvane_finds_address(const char* text)
{
    return FindAddress(text) ? 1 : 0;
}

// Whether the keys typed into the closed mask list make a whole prefix length, which
// no further key could extend: the page waits for the user's pause otherwise.
EMSCRIPTEN_KEEPALIVE int quorvane_prefix_complete(const char* keys)
{
    PrefixKeys prefix;
    PrefixKeys::Taken taken = PrefixKeys::Taken::No;
    for (const char* key = keys; *key != '\0'; ++key)
        taken = prefix.Key(static_cast<unsigned char>(*key));
    return taken == PrefixKeys::Taken::Complete ? 1 : 0;
}

} // extern "C"
